#include "widgets/edittransferdevicedialog.h"

#include "widgets/devicedialogsupport.h"
#include "widgets/modalrunner.h"

#include "ui_edittransferdevicedialog.h"

namespace Zarnet {

namespace {
const char *trContext()
{
    return EditTransferDeviceDialog::staticMetaObject.className();
}

// The type list and the name check are translated in this context by
// DeviceDialogSupport; marked here so that lupdate finds them.
[[maybe_unused]] constexpr const char *sharedTexts[] = {
    QT_TRANSLATE_NOOP("Zarnet::EditTransferDeviceDialog", "DVD Player"),
    QT_TRANSLATE_NOOP("Zarnet::EditTransferDeviceDialog", "Blu-ray Player"),
    QT_TRANSLATE_NOOP("Zarnet::EditTransferDeviceDialog", "TV"),
    QT_TRANSLATE_NOOP("Zarnet::EditTransferDeviceDialog", "PlayStation®3"),
    QT_TRANSLATE_NOOP("Zarnet::EditTransferDeviceDialog", "Device Name Required"),
    QT_TRANSLATE_NOOP("Zarnet::EditTransferDeviceDialog", "Please enter a name for this Device."),
};
} // namespace

EditTransferDeviceDialog::EditTransferDeviceDialog(Orbe::PluginContext *context)
    : QDialog(nullptr)
    , ui(std::make_unique<Ui::EditTransferDeviceDialog>())
    , context(context)
{
    ui->setupUi(this);
    DeviceDialogSupport::prepare(*this, *ui->DeviceNameInput, *ui->RegisterDeviceButton, context);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->SaveButton, &QPushButton::clicked, this, &EditTransferDeviceDialog::saveButtonClicked);
    connect(ui->RegisterDeviceButton, &QPushButton::clicked, this,
        &EditTransferDeviceDialog::registerDeviceButtonClicked);
}

EditTransferDeviceDialog::~EditTransferDeviceDialog() = default;

bool EditTransferDeviceDialog::getDeviceInfo(unsigned &type, QString &name)
{
    DeviceDialogSupport::fillTypeList(*ui->DeviceTypeInput, trContext());
    const int index = ui->DeviceTypeInput->findData(QVariant(type));
    if (index < 0)
        return false;
    ui->DeviceTypeInput->setCurrentIndex(index);
    // A name longer than the language's limit (PlayStation®3 in Japanese) is
    // shown whole: setText would cut it, and Save would store what was cut.
    if (name.size() > ui->DeviceNameInput->maxLength())
        ui->DeviceNameInput->setMaxLength(int(name.size()));
    ui->DeviceNameInput->setText(name);
    DeviceDialogSupport::focusName(*ui->DeviceNameInput);
    adjustSize();
    setWindowTitle(tr("Edit Your Device"));
    if (ModalRunner::current().run(*this) != QDialog::Accepted)
        return false;
    type = this->type;
    name = this->name;
    return true;
}

void EditTransferDeviceDialog::saveButtonClicked()
{
    DeviceDialogSupport::confirm(*this, *ui->DeviceNameInput, *ui->DeviceTypeInput, name, type, trContext());
}

void EditTransferDeviceDialog::registerDeviceButtonClicked()
{
    // Registration happens on the maker's web site; the button has no action here.
}

} // namespace Zarnet
