#pragma once

#include "widgets/modalrunner.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>

// Answers the dialogs' modal runs in place of a person. Each run takes the
// next scripted answer, which acts on the dialog from inside its real modal
// loop (clicks, keys, close). A run without an answer, or an answer that
// leaves its dialog open, fails the test and rejects the dialog, so nothing
// ever waits.
class ScriptedRunner : public Zarnet::ModalRunner
{
public:
    using Answer = std::function<void(QDialog &)>;

    struct Run
    {
        QString className;
        QString title;
        QString text; // message boxes only
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        bool hasParent = false;
        int result = -1;
    };

    ScriptedRunner();
    ~ScriptedRunner() override;

    void answer(Answer answer) { m_answers.push_back(std::move(answer)); }
    const std::deque<Run> &runs() const { return m_runs; }
    // The window titles of the runs so far, in order.
    QStringList titles() const;
    bool allAnswered() const { return m_answers.empty(); }

    int run(QDialog &dialog) override;

private:
    std::deque<Answer> m_answers;
    std::deque<Run> m_runs;
};

// The object names of the widgets that Tab visits, starting at the one named from.
QStringList tabChain(QWidget &dialog, const QString &from);

// Ready-made answers.
namespace Answers {
void clickButton(QDialog &dialog, const char *objectName);
void pressKey(QDialog &dialog, int key);
void typeName(QDialog &dialog, const QString &text);
void closeWindow(QDialog &dialog);
// The OK of a message box.
void acceptBox(QDialog &dialog);
// The confirm button of the add, edit or delete dialog: Create, Save or Delete.
void confirm(QDialog &dialog);
} // namespace Answers
