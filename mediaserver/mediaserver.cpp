#include "mediaserver/mediaserver.h"

#include "ipc/ckavonamedpipeipc.h"
#include "ipc/cpipesocket.h"
#include "ipc/cpipetransport.h"
#include "ipc/kavoosnamedpipe.h"
#include "mediaserver/mediaserversession.h"

#include <sys/stat.h>

namespace {

// A failed connect pauses its thread; asking only when a player's pipe is
// there keeps the window responsive while none runs.
bool playerPipeExists()
{
    kvds::CPipeTransport names(MediaServerSession::Channel, false, nullptr);
    const std::string path = KavoOS::CPipeSocket::Path(names.ReadPipeName());
    struct stat info
    {
    };
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

} // namespace

MediaServer::MediaServer(bool sharing, QObject *parent)
    : QObject(parent)
    , m_sharing(sharing)
{
    m_retry.setInterval(RetryIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, &MediaServer::tryConnect);
}

MediaServer::~MediaServer()
{
    // Joins the reader, which calls into the session and posts to us.
    m_ipc.reset();
    m_session.reset();
}

void MediaServer::start()
{
    tryConnect();
    if (!m_ipc)
        m_retry.start();
}

void MediaServer::setSharing(bool on)
{
    const bool reached = m_switch ? m_switch(on) : on;
    if (m_sharing.exchange(reached) != reached || reached != on)
        emit sharingChanged(reached);
}

void MediaServer::tryConnect()
{
    if (m_ipc || !playerPipeExists())
        return;
    kvtl::RefCountedPtr<kvds::IKavoIPC> ipc;
    if (!kvds::CreateNamedPipeIPC(MediaServerSession::Channel, false, nullptr, &ipc))
        return;
    const unsigned generation = ++m_generation;
    m_session = new MediaServerSession(ipc.get(), &m_sharing,
        [this, generation](
            MediaServerSession::Event event, const std::string &name, const std::string &text) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, event, name, text] {
                    handle(generation, static_cast<int>(event), name, text);
                },
                Qt::QueuedConnection);
        });
    m_ipc = ipc;
    m_ipc->RegisterCallback(std::string(MediaServerSession::TopicPrefix), m_session.get(), false);
    m_retry.stop();
    emit connectedChanged(true);
}

void MediaServer::dropConnection()
{
    m_ipc.reset();
    m_session.reset();
    emit connectedChanged(false);
    m_retry.start();
}

void MediaServer::handle(unsigned generation, int event, const std::string &name, const std::string &text)
{
    if (generation != m_generation || !m_ipc)
        return;
    if (static_cast<MediaServerSession::Event>(event) == MediaServerSession::Event::PipeError) {
        dropConnection();
        return;
    }
    // The player sends the path in its local 8-bit encoding.
    const QString path = QString::fromLocal8Bit(QByteArray::fromStdString(text));
    emit requestReceived(QString::fromStdString(name), path);
    if (name == "StreamFileRequest" && !path.isEmpty()) {
        m_streamedFiles.append(path);
        emit fileStreamed(path);
    }
}
