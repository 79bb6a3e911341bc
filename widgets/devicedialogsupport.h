#pragma once

class QComboBox;
class QDialog;
class QLineEdit;
class QPushButton;
class QString;

namespace Orbe {
class PluginContext;
}

// What the add and the edit dialog share; texts are translated in the
// calling dialog's context.
namespace Zarnet::DeviceDialogSupport {

// Name limit by language, no context-help button, "Register Now" only with a context.
void prepare(
    QDialog &dialog, QLineEdit &nameInput, QPushButton &registerButton, const Orbe::PluginContext *context);

// The four device types, each with its code as item data.
void fillTypeList(QComboBox &typeInput, const char *trContext);

// The dialog opens in the name field, its text selected: typing names the
// device instead of picking a type from the list.
void focusName(QLineEdit &nameInput);

// Takes the name as typed; an empty one is refused with a message box and the
// dialog stays open, otherwise the type is taken too and the dialog accepted.
void confirm(QDialog &dialog, const QLineEdit &nameInput, const QComboBox &typeInput, QString &name,
    unsigned &type, const char *trContext);

} // namespace Zarnet::DeviceDialogSupport
