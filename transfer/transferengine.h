#pragma once

#include "transfer/imageprogressparser.h"
#include "transfer/partfile.h"
#include "transfer/pinnedfolder.h"
#include "transfer/progressparser.h"
#include "transfer/runjournal.h"
#include "transfer/sentindex.h"
#include "transfer/transferitem.h"
#include "transfer/transferprogress.h"
#include "transfer/transferrequest.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>
#include <vector>

namespace Zarnet {

class FileWorker;
class ToolRun;
enum class ToolResult;

// Turns files into what one device type plays, one file at a time: probe
// all (a few at once), decide and check names and sizes before any work,
// then copy or convert each into a part, sync it and rename it. A file that fails is
// reported and the others go on. Or, when burning, the same into a disc
// image. Everything runs on the thread that owns the engine, without
// blocking it; one engine runs one request.
class TransferEngine : public QObject
{
    Q_OBJECT
public:
    explicit TransferEngine(QObject *parent = nullptr);
    ~TransferEngine() override;

    // Queued: connect first. False when the request is unusable (unknown
    // type, no files, a second start), with the reason.
    bool start(const TransferRequest &request, QString *error);
    // Stops the child or the copy, deletes the part; the files not done end Cancelled.
    void cancel();
    bool isRunning() const { return m_running; }

    const QVector<TransferItem> &items() const { return m_items; }
    // An error of the whole run (the disc does not hold it, the image failed).
    QString runError() const { return m_runError; }
    bool allArrived() const;
    // How long a child gets after SIGTERM before it is killed.
    void setKillDelay(int milliseconds) { m_killDelay = milliseconds; }
    // How long a probe or stream check may go without a word before its file fails.
    void setSilenceLimit(int milliseconds) { m_silenceLimit = milliseconds; }

signals:
    // Every file is probed and decided (the dry run ends here).
    void planned();
    void progressed(const Zarnet::TransferProgress &progress);
    void fileEnded(int index);
    void finished(bool allArrived);

private:
    // Deleting a tool or worker inside its own signal would pull the object
    // out from under the emit; parented, it goes with the engine at the latest.
    template <typename T> void retire(std::unique_ptr<T> &owner)
    {
        if (!owner)
            return;
        T *object = owner.release();
        object->setParent(this);
        object->deleteLater();
    }
    // Never 100 % before the file is there under its own name.
    static constexpr double NotYetDone = 0.99;
    // Unknown free space (a FUSE volume that reports no size) is room.
    static bool roomFor(const QString &folder, qint64 bytes, qint64 *free = nullptr);

public:
    // What idet's summary says the pictures are: "tt", "bb", "progressive",
    // or empty when it said nothing.
    static QString fieldOrderSeen(const QString &idetLog);

private:
    void probeNext();
    void probed(int index, ToolResult result);
    void checkStream(int index, const MediaProbe &probe);
    void streamChecked(int index, MediaProbe probe, ToolResult result);
    void checkFields(int index, const MediaProbe &probe);
    void fieldsChecked(int index, MediaProbe probe, ToolResult result);
    void endProbe(int index, TransferItem::State state, const QString &error = {},
        TransferItem::Fault fault = TransferItem::Fault::None);
    void startEarlyCopy();
    void earlyCopied(bool ok, const QString &error);
    void dropEarlyCopy();
    bool adoptEarlyCopy(const QString &finalName);
    void plan();
    void planAfterSent(bool fat);
    void planNames(bool fat);
    void planDisc();
    void runNext();
    void convert(TransferItem &item, const QString &finalName);
    void copyFile(TransferItem &item, const QString &finalName);
    void converted(ToolResult result);
    void copied(bool ok, const QString &error);
    // m_moves renamed into place, or nothing.
    void commit();
    // Files the destination holds from an earlier run end AlreadyThere. The
    // sources are read on a worker, and then() carries on the plan once they
    // are; a cancel meanwhile ends the run instead. False when there is
    // nothing to look up (then() is not called).
    bool findSent(std::function<void()> then);
    // The arrived file written down in the destination's index, then ended.
    void recordSent();
    void commitThen(bool replace, std::function<void(bool, const QString &)> then);
    void makeImage();
    void imaged(ToolResult result);
    void endItem(TransferItem::State state, const QString &error = {},
        TransferItem::Fault fault = TransferItem::Fault::None);
    void endRun();
    void tick();
    void report(TransferProgress::Stage stage, double fraction) { report(m_current, stage, fraction); }
    void report(int index, TransferProgress::Stage stage, double fraction);
    // Where this file's outputs go: the destination, or a disc's staging folder.
    const PinnedFolder &workFolder() const;
    RunJournal *journal() { return m_journal.isOpen() ? &m_journal : nullptr; }
    // What a child is handed to read source: the path, or for a name that is
    // not UTF-8 (which no argument can carry) a descriptor the tool holds.
    static QString sourceFor(const QString &source, ToolRun &tool);
    // "Name.srt" beside "Name.avi".
    static QString subtitleName(const QString &videoName);
    // Why nothing more is written once the destination went away.
    QString goneText() const;

    TransferRequest m_request;
    // Before every part and folder that it records.
    RunJournal m_journal;
    PinnedFolder m_folder; // the destination, or the disc image's folder
    bool m_gone = false;
    QVector<TransferItem> m_items;
    int m_current = -1;
    bool m_running = false;
    bool m_cancelled = false;
    std::vector<std::unique_ptr<ToolRun>> m_probes; // by file, while it is probed
    int m_nextProbe = 0;
    bool m_probing = false;
    int m_probesRunning = 0;
    double m_imageFraction = 0;
    ImageProgressParser m_imageParser;
    int m_killDelay = 5000;
    int m_silenceLimit = 60000;
    QString m_runError;
    std::unique_ptr<ToolRun> m_tool;
    std::unique_ptr<FileWorker> m_worker;
    std::unique_ptr<FileWorker> m_writeBehind;
    PartFile m_part;
    PartFile m_subtitlePart; // the .srt written beside the video, if any
    // The first file, copied while the files are probed on the guess that it
    // goes as it is; kept when the plan agrees, else stopped and deleted.
    struct EarlyCopy
    {
        std::unique_ptr<FileWorker> worker;
        PartFile part;
        QElapsedTimer clock;
        bool adopted = false;
        bool dropped = false;
        bool ended = false;
        bool ok = false;
        QString error;
    } m_early;
    bool m_endWaits = false; // the run ends once the dropped early copy has stopped
    PinnedFolder m_split; // where ffmpeg writes the files of a split
    std::vector<PartFile::Move> m_moves; // the current file's commit
    QStringList m_finals; // where the current parts are renamed to
    ProgressParser m_parser;
    qint64 m_outTimeUs = 0;
    qint64 m_outBytes = 0;
    double m_speed = 0;
    TransferProgress::Stage m_stage = TransferProgress::Probing;
    QTimer m_tick;
    QElapsedTimer m_clock;
    PinnedFolder m_staging; // converted files of a disc image
    PartFile m_indexPart; // the destination's new index, while it is written
};

} // namespace Zarnet
