#pragma once

#include "ipc/ikavoipc.h"
#include "ipc/refcountedimpl.h"

#include <atomic>
#include <functional>
#include <string>

// The media server's side of one pipe connection to a player. Runs on the
// endpoint's reader thread: it answers "StartedRequest" at once with the
// sharing state and hands every message to the owner through report, which
// must pass it on to the owner's own thread.
class MediaServerSession : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    static constexpr char Channel[] = "C277327F-6714-4129-A79F-6D8477523D76";
    static constexpr char TopicPrefix[] = "DevicePane->KavoMediaServerDialog";
    static constexpr char Sender[] = "KavoMediaServer";

    enum class Event { Request, PipeError };
    // name: the message name; text: the path of a "StreamFileRequest".
    using Report = std::function<void(Event event, const std::string &name, const std::string &text)>;

    // endpoint must outlive every call of OnMessage, which its own
    // destruction guarantees by joining the reader.
    MediaServerSession(kvds::IKavoIPC *endpoint, const std::atomic<bool> *sharing, Report report);

    void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data) override;

private:
    kvds::IKavoIPC *m_endpoint;
    const std::atomic<bool> *m_sharing;
    Report m_report;
};
