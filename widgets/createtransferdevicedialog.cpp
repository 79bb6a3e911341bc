#include "widgets/createtransferdevicedialog.h"

#include "widgets/devicedialogsupport.h"
#include "widgets/modalrunner.h"

#include "ui_createtransferdevicedialog.h"

namespace Zarnet {

namespace {
const char *trContext()
{
    return CreateTransferDeviceDialog::staticMetaObject.className();
}
} // namespace

CreateTransferDeviceDialog::CreateTransferDeviceDialog(Orbe::PluginContext *context)
    : QDialog(nullptr)
    , ui(std::make_unique<Ui::CreateTransferDeviceDialog>())
    , context(context)
{
    ui->setupUi(this);
    DeviceDialogSupport::prepare(*this, *ui->DeviceNameInput, *ui->RegisterDeviceButton, context);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->CreateButton, &QPushButton::clicked, this, &CreateTransferDeviceDialog::createButtonClicked);
    connect(ui->RegisterDeviceButton, &QPushButton::clicked, this,
            &CreateTransferDeviceDialog::registerDeviceButtonClicked);
}

CreateTransferDeviceDialog::~CreateTransferDeviceDialog() = default;

bool CreateTransferDeviceDialog::getDeviceInfo(unsigned &type, QString &name)
{
    DeviceDialogSupport::fillTypeList(*ui->DeviceTypeInput, trContext());
    DeviceDialogSupport::focusName(*ui->DeviceNameInput);
    adjustSize();
    setWindowTitle(tr("Add a Device"));
    if (ModalRunner::current().run(*this) != QDialog::Accepted)
        return false;
    type = this->type;
    name = this->name;
    return true;
}

void CreateTransferDeviceDialog::createButtonClicked()
{
    DeviceDialogSupport::confirm(*this, *ui->DeviceNameInput, *ui->DeviceTypeInput, name, type, trContext());
}

void CreateTransferDeviceDialog::registerDeviceButtonClicked()
{
    // Registration happens on the maker's web site; the button has no action here.
}

} // namespace Zarnet
