#include "widgets/deletetransferdevicedialog.h"

#include "settings/settingkeys.h"
#include "settings/settingsholder.h"
#include "widgets/modalrunner.h"
#include "zrt/osutilities.h"

#include "ui_deletetransferdevicedialog.h"

namespace Zarnet {

namespace {

kvds::SettingsHolder &unitSettings()
{
    static kvds::SettingsHolder holder(&OSUtilities::getComponentIdUTF8);
    return holder;
}

const kvds::SettingKey &confirmSetting()
{
    return kvds::settingKeys[kvds::TransferDevicesConfirmDeletions];
}

} // namespace

DeleteTransferDeviceDialog::DeleteTransferDeviceDialog()
    : QDialog(nullptr)
    , ui(std::make_unique<Ui::DeleteTransferDeviceDialog>())
{
    ui->setupUi(this);
    // A device name is shown as typed, never read as markup.
    ui->MessageText->setTextFormat(Qt::PlainText);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->DeleteButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->NoMoreCheckBox, &QCheckBox::stateChanged, this,
        &DeleteTransferDeviceDialog::noMoreCheckBoxStateChanged);
    unitSettings().EnsureSettings();
}

DeleteTransferDeviceDialog::~DeleteTransferDeviceDialog()
{
    unitSettings().Release();
}

bool DeleteTransferDeviceDialog::confirmDeletion(const QString &name)
{
    const kvds::SettingKey &setting = confirmSetting();
    if (!unitSettings().ReadBoolSetting(true, setting.section, setting.key))
        return true;
    // arg() substitutes once, so a "%2" in the name stays as it is.
    ui->MessageText->setText(ui->MessageText->text().arg(name));
    adjustSize();
    setWindowTitle(tr("Delete Your Device"));
    return ModalRunner::current().run(*this) == QDialog::Accepted;
}

void DeleteTransferDeviceDialog::noMoreCheckBoxStateChanged(int state)
{
    // Written at once: ticking the box and then cancelling still keeps the choice.
    const kvds::SettingKey &setting = confirmSetting();
    unitSettings().WriteBoolSetting(setting.section, setting.key, state == 0);
}

} // namespace Zarnet
