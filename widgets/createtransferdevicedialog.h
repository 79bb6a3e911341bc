#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Orbe {
class PluginContext;
}

namespace Ui {
class CreateTransferDeviceDialog;
}

namespace Zarnet {

// "Add a Device": asks for the type and name of a new device. It only
// collects the two values; the caller creates the device.
class CreateTransferDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    // Without a context "Register Now" is hidden.
    explicit CreateTransferDeviceDialog(Orbe::PluginContext *context);
    ~CreateTransferDeviceDialog() override;

    // Runs the dialog; true and both values only when the user confirmed.
    bool getDeviceInfo(unsigned &type, QString &name);

public slots:
    void createButtonClicked();
    void registerDeviceButtonClicked();

private:
    QString name;
    unsigned type = 0;
    std::unique_ptr<Ui::CreateTransferDeviceDialog> ui;
    Orbe::PluginContext *context;
};

} // namespace Zarnet
