#pragma once

#include "zrt/zrtglobal.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

namespace Zarnet {

// Hands files to a transfer device (or, with BurnTarget, to a disc).
class ZRT_EXPORT TransferWizard
{
public:
    static constexpr unsigned BurnTarget = 1000;

    // Starts the wizard (kavo-transfer --wizard) with the files and the
    // target, detached, and returns 0 at once; where it cannot be started, a
    // window lists the files instead. When
    // KAVO_TRANSFER_LOG names a file, each call is also appended there as one
    // line: the target, a tab, and the URLs separated by tabs.
    static int transferFiles(const QList<QUrl> &urls, const QString &text, unsigned deviceId);

    // KAVO_TRANSFER_TOOL when set, else kavo-transfer beside the running
    // program, else on PATH; empty when there is none.
    static QString programPath();

    // A URL as the wizard shows it, including playlist-item URLs, which Qt 6
    // holds as invalid.
    static QString urlText(const QUrl &url);

    // Tests record calls instead of showing the wizard.
    using Hook = std::function<int(const QList<QUrl> &, const QString &, unsigned)>;
    static void setHook(Hook hook);
};

} // namespace Zarnet
