#include "widgets/devicedialogsupport.h"

#include "devices/devicetype.h"
#include "widgets/modalrunner.h"
#include "zrt/osutilities.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>

namespace Zarnet::DeviceDialogSupport {

namespace {
// Japanese and Chinese names take twice the width per character.
constexpr int wideScriptNameLimit = 10;
} // namespace

void prepare(
    QDialog &dialog, QLineEdit &nameInput, QPushButton &registerButton, const Orbe::PluginContext *context)
{
    const QString language = OSUtilities::getLanguageCode();
    if (language == QLatin1String("ja") || language == QLatin1String("zh"))
        nameInput.setMaxLength(wideScriptNameLimit);
    dialog.setWindowFlags(dialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    if (!context)
        registerButton.hide();
}

void fillTypeList(QComboBox &typeInput, const char *trContext)
{
    typeInput.clear();
    for (const auto &entry : TransferDevicesLibrary::TransferDeviceTypes)
        typeInput.addItem(QIcon(), QCoreApplication::translate(trContext, entry.label),
            QVariant(static_cast<unsigned>(entry.code)));
}

void focusName(QLineEdit &nameInput)
{
    nameInput.selectAll();
    nameInput.setFocus(Qt::OtherFocusReason);
}

void confirm(QDialog &dialog, const QLineEdit &nameInput, const QComboBox &typeInput, QString &name,
    unsigned &type, const char *trContext)
{
    name = nameInput.text();
    if (name.isEmpty()) {
        ModalRunner::information(QCoreApplication::translate(trContext, "Device Name Required"),
            QCoreApplication::translate(trContext, "Please enter a name for this Device."));
        return;
    }
    type = typeInput.currentData().toUInt();
    dialog.accept();
}

} // namespace Zarnet::DeviceDialogSupport
