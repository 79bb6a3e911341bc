#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Orbe {
class PluginContext;
}

namespace Ui {
class EditTransferDeviceDialog;
}

namespace Zarnet {

// "Edit Your Device": changes the type and name of a device. It only
// collects the two values; the caller writes them to the record.
class EditTransferDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    // Without a context "Register Now" is hidden.
    explicit EditTransferDeviceDialog(Orbe::PluginContext *context);
    ~EditTransferDeviceDialog() override;

    // Shows type and name preselected; true and the new values only when the
    // user confirmed. A type without an entry in the list shows nothing.
    bool getDeviceInfo(unsigned &type, QString &name);

public slots:
    void saveButtonClicked();
    void registerDeviceButtonClicked();

private:
    QString name;
    unsigned type = 0;
    std::unique_ptr<Ui::EditTransferDeviceDialog> ui;
    Orbe::PluginContext *context;
};

} // namespace Zarnet
