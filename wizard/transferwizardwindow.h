#pragma once

#include "transfer/transferitem.h"
#include "transfer/transferprogress.h"
#include "transfer/transferrequest.h"
#include "wizard/destinationstore.h"
#include "zrt/transferwizard.h"

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace Zarnet {

class ToolRun;
class TransferEngine;
enum class ToolResult;

// The transfer wizard's window, in a process of its own: asks where the files
// go (or, for a disc, what it is for), runs the engine, shows each file's
// action, reason and progress, and ends with what arrived and what did not.
class TransferWizardWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr unsigned BurnTarget = TransferWizard::BurnTarget;
    enum Column { FileColumn, ActionColumn, ReasonColumn, ProgressColumn, SpeedColumn, LeftColumn };

    // Every question the wizard asks runs through this, so a test can answer
    // it; the default is exec().
    using Runner = std::function<int(QDialog &)>;
    static void setRunner(Runner runner);

    TransferWizardWindow(const QStringList &files, unsigned deviceId, QWidget *parent = nullptr);
    ~TransferWizardWindow() override;

    // Asks what it must, then starts; queued by the caller once shown.
    void begin();
    bool isRunning() const;
    // Ends the run without asking, as a signal to the process does: nothing
    // starts after this. True when a run is stopping; ended() follows once
    // the file on its way is removed.
    bool stop();
    // Every file arrived or was there already (and, for a disc, it was
    // burned and checked).
    bool succeeded() const { return m_succeeded; }
    bool isWaitingForVolume() const { return m_waitTimer.isActive(); }
    QTreeWidget *rows() const { return m_rows; }
    QString summary() const;
    // Files that did not arrive because of the destination (read-only, full,
    // gone): what "Try Again" and "Choose Another Folder…" send.
    QStringList retryFiles() const { return m_retry; }
    // What the run under way, or the last one, was asked to do.
    const TransferRequest &request() const { return m_request; }
    QString folder() const { return m_folder; } // where the files went, or the image's folder

    static QString clockText(double seconds);
    // The folder the player's library shows (General/MediaFolder), where a
    // device's own "Transfer Videos to" looks first; empty when unknown.
    static QString mediaFolder();
    // What a row's speed reads: MB/s for a copy, a multiple of real time for
    // a conversion; empty when unknown.
    static QString speedText(const TransferProgress &progress);

signals:
    // The summary is up (or nothing was started); the window stays open.
    void ended();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    // How the files of the run fared, as the engine says.
    virtual const QVector<TransferItem> &items() const;

private:
    static int runModal(QDialog &dialog);
    bool askStopping();
    bool prepareDevice(TransferRequest *request);
    bool askDestination(const QString &note, DestinationStore::Destination *out);
    bool resolve(const DestinationStore::Destination &destination, TransferRequest *request);
    void waitForVolume();
    bool prepareDisc(TransferRequest *request);
    void start(const TransferRequest &request);
    void planned();
    void progressed(const TransferProgress &progress);
    void fileEnded(int index);
    void finished();
    void burn(bool verify);
    void burnEnded(bool verify, ToolResult result);
    void end(const QString &message);
    // The heading and the window title: how far the run is, or how it ended.
    void showState(const QString &state);
    void openFolder();
    void changeDestination();
    // By value: the list passed is often m_retry, which a new run clears.
    void runAgain(QStringList files);
    // After a change of folder stopped the run: the files not there yet go
    // to the new one.
    void restart();
    void offerRetry();
    QString endState(int arrived, int count) const;
    void snapshot(const QString &what);
    void addRows(const QStringList &files);

    QStringList m_files;
    unsigned m_deviceId;
    QString m_deviceName;
    QString m_subject; // "3 videos to Bedroom TV"
    int m_deviceType = -1;
    DestinationStore::Destination m_destination;
    TransferRequest m_request;
    QString m_folder;
    QString m_drive;
    QString m_runNote;
    QStringList m_differing; // names on the disc whose checksums did not match
    QStringList m_retry;
    QStringList m_alreadyThere; // held by the destination already: what "Send Again" sends
    bool m_over = false;
    bool m_stopped = false;
    bool m_burnTried = false;
    bool m_burnChecked = false;
    bool m_succeeded = false;
    bool m_shotProgress = false;
    bool m_planned = false;
    bool m_restarting = false; // stopping to start again in another folder
    QString m_stoppedFolder; // where the run stopped for a change went
    QTimer m_waitTimer;
    std::unique_ptr<TransferEngine> m_engine;
    std::unique_ptr<ToolRun> m_burner;

    QLabel *m_heading;
    QTreeWidget *m_rows;
    QProgressBar *m_overall;
    QLabel *m_status;
    QLabel *m_summary;
    QPushButton *m_change;
    QPushButton *m_chooseAnother;
    QPushButton *m_tryAgain;
    QPushButton *m_sendAgain;
    QPushButton *m_openFolder;
    QPushButton *m_cancel;
};

} // namespace Zarnet
