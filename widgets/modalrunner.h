#pragma once

#include <QString>

class QDialog;

namespace Zarnet {

// Every modal run of the dialogs and their message boxes goes through the
// runner in force, so that a test can answer them; the product's runner is a
// plain exec().
class ModalRunner
{
public:
    virtual ~ModalRunner() = default;

    // Runs the dialog modally and returns the code it ended with.
    virtual int run(QDialog &dialog) = 0;

    // The installed runner, else the one that calls exec().
    static ModalRunner &current();
    // Does not take ownership; nullptr goes back to exec().
    static void install(ModalRunner *runner);

    // An information box without parent and with a single OK button.
    static int information(const QString &title, const QString &text);
    // A warning box without parent and with a single OK button.
    static int warning(const QString &title, const QString &text);
};

} // namespace Zarnet
