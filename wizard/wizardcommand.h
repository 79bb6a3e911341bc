#pragma once

#include <QStringList>

namespace Zarnet {

// kavo-transfer --wizard: the transfer wizard in a process of its own, as the
// player starts it for each hand-off.
class WizardCommand
{
public:
    enum Exit { Done = 0, Failed = 1, Usage = 2 };

    // argv: --wizard --device ID [--] [FILE...]. Exits as the command line
    // does: Done when every file arrived; Failed when one did not, nothing
    // was transferred, or SIGINT, SIGTERM or SIGHUP stopped the run (once
    // the file on its way is removed); Usage for bad arguments.
    static int run(int argc, char **argv);

    // The words after the program's name. Every word after the options is a
    // path to that very file, whatever it looks like ("file:x.mp4" included),
    // made absolute against the working folder.
    static bool parse(QStringList arguments, unsigned *deviceId, QStringList *files);
};

} // namespace Zarnet
