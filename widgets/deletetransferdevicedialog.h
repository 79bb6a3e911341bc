#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class DeleteTransferDeviceDialog;
}

namespace Zarnet {

// Confirms the deletion of one device and offers "Do not ask me again", a
// player setting: once it is ticked, later deletions go ahead unasked. One
// object serves one deletion.
class DeleteTransferDeviceDialog : public QDialog
{
    Q_OBJECT

public:
    DeleteTransferDeviceDialog();
    // Releases this unit's settings holder, so the next dialog opens the key afresh.
    ~DeleteTransferDeviceDialog() override;

    // True when the device may be deleted: at once when the user asked not to
    // be asked again, otherwise when the user pressed "Delete".
    bool confirmDeletion(const QString &name);

public slots:
    void noMoreCheckBoxStateChanged(int state);

private:
    std::unique_ptr<Ui::DeleteTransferDeviceDialog> ui;
};

} // namespace Zarnet
