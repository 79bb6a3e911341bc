#include "tests/common/scriptedrunner.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

ScriptedRunner::ScriptedRunner()
{
    install(this);
}

ScriptedRunner::~ScriptedRunner()
{
    install(nullptr);
}

int ScriptedRunner::run(QDialog &dialog)
{
    Run record;
    record.className = QString::fromLatin1(dialog.metaObject()->className());
    record.title = dialog.windowTitle();
    record.hasParent = dialog.parentWidget() != nullptr;
    if (auto *box = qobject_cast<QMessageBox *>(&dialog)) {
        record.text = box->text();
        record.icon = box->icon();
        record.buttons = box->standardButtons();
    }
    m_runs.push_back(record);
    const std::size_t index = m_runs.size() - 1;

    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected modal run of " << record.className.toStdString();
        m_runs[index].result = QDialog::Rejected;
        return QDialog::Rejected;
    }
    Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    QPointer<QDialog> guard(&dialog);
    QTimer::singleShot(0, &dialog, [guard, answer] {
        answer(*guard);
        if (guard && guard->isVisible()) {
            ADD_FAILURE() << "the answer left the dialog open";
            guard->reject();
        }
    });
    const int result = dialog.exec();
    m_runs[index].result = result;
    return result;
}

QStringList ScriptedRunner::titles() const
{
    QStringList titles;
    for (const Run &run : m_runs)
        titles << run.title;
    return titles;
}

QStringList tabChain(QWidget &dialog, const QString &from)
{
    QStringList names;
    QWidget *start = dialog.findChild<QWidget *>(from);
    if (!start)
        return names;
    QWidget *w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&dialog) && !w->objectName().isEmpty()
            && !w->objectName().startsWith(QLatin1String("qt_")))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != start);
    return names;
}

namespace Answers {

void clickButton(QDialog &dialog, const char *objectName)
{
    auto *button = dialog.findChild<QAbstractButton *>(QLatin1String(objectName));
    ASSERT_NE(button, nullptr) << objectName;
    QTest::mouseClick(button, Qt::LeftButton);
}

void pressKey(QDialog &dialog, int key)
{
    QWidget *target = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QTest::keyClick(target, static_cast<Qt::Key>(key));
}

void typeName(QDialog &dialog, const QString &text)
{
    auto *input = dialog.findChild<QLineEdit *>(QStringLiteral("DeviceNameInput"));
    ASSERT_NE(input, nullptr);
    input->setFocus();
    input->clear();
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(input, ch.toLatin1());
            continue;
        }
        // QTest only maps ASCII to keys; other characters arrive as text alone.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(input, &press);
        QCoreApplication::sendEvent(input, &release);
    }
}

void closeWindow(QDialog &dialog)
{
    dialog.close();
}

void acceptBox(QDialog &dialog)
{
    auto *box = qobject_cast<QMessageBox *>(&dialog);
    ASSERT_NE(box, nullptr);
    QAbstractButton *ok = box->button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
}

void confirm(QDialog &dialog)
{
    QAbstractButton *button = nullptr;
    for (const char *name : { "CreateButton", "SaveButton", "DeleteButton" }) {
        if (!button)
            button = dialog.findChild<QAbstractButton *>(QLatin1String(name));
    }
    ASSERT_NE(button, nullptr) << dialog.windowTitle().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace Answers
