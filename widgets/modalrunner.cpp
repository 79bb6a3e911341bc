#include "widgets/modalrunner.h"

#include <QDialog>
#include <QMessageBox>

namespace Zarnet {

namespace {

class ExecRunner final : public ModalRunner
{
public:
    int run(QDialog &dialog) override { return dialog.exec(); }
};

ModalRunner *installedRunner = nullptr;

} // namespace

ModalRunner &ModalRunner::current()
{
    if (installedRunner)
        return *installedRunner;
    static ExecRunner execRunner;
    return execRunner;
}

void ModalRunner::install(ModalRunner *runner)
{
    installedRunner = runner;
}

int ModalRunner::information(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, nullptr);
    return current().run(box);
}

int ModalRunner::warning(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, nullptr);
    return current().run(box);
}

} // namespace Zarnet
