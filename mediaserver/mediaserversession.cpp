#include "mediaserver/mediaserversession.h"

#include "ipc/ckavonamedpipeipc.h"

#include <cstring>

MediaServerSession::MediaServerSession(
    kvds::IKavoIPC *endpoint, const std::atomic<bool> *sharing, Report report)
    : m_endpoint(endpoint)
    , m_sharing(sharing)
    , m_report(std::move(report))
{
}

void MediaServerSession::OnMessage(
    const std::string &sender, const std::string &topic, unsigned length, const void *data)
{
    if (sender == kvds::CKavoNamedPipeIPC::PipeErrorSender
        && topic == kvds::CKavoNamedPipeIPC::PipeErrorTopic) {
        m_report(Event::PipeError, topic, {});
        return;
    }
    if (topic == "StartedRequest") {
        const char state = m_sharing->load() ? 1 : 0;
        int delivered = 0;
        m_endpoint->Send(Sender, std::string(TopicPrefix) + "StartedResponse", 1, &state, &delivered);
        m_report(Event::Request, topic, {});
        return;
    }
    std::string text;
    if (topic == "StreamFileRequest" && data) {
        // The path ends at its terminating zero; a missing one is tolerated.
        const auto *bytes = static_cast<const char *>(data);
        const void *zero = std::memchr(bytes, 0, length);
        text.assign(bytes, zero ? static_cast<const char *>(zero) - bytes : length);
    }
    m_report(Event::Request, topic, text);
}
