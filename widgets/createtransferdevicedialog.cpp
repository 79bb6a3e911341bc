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

// The type list and the name check are translated in this context by
// DeviceDialogSupport; marked here so that lupdate finds them.
[[maybe_unused]] constexpr const char *sharedTexts[] = {
    QT_TRANSLATE_NOOP("Zarnet::CreateTransferDeviceDialog", "DVD Player"),
    QT_TRANSLATE_NOOP("Zarnet::CreateTransferDeviceDialog", "Blu-ray Player"),
    QT_TRANSLATE_NOOP("Zarnet::CreateTransferDeviceDialog", "TV"),
    QT_TRANSLATE_NOOP("Zarnet::CreateTransferDeviceDialog", "PlayStation®3"),
    QT_TRANSLATE_NOOP("Zarnet::CreateTransferDeviceDialog", "Device Name Required"),
    QT_TRANSLATE_NOOP("Zarnet::CreateTransferDeviceDialog", "Please enter a name for this Device."),
};
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
