#include "tests/devices/recordingipc.h"

bool RecordingIPC::Send(
    const std::string &sender, const std::string &topic, unsigned length, const void *data, int *delivered)
{
    if (delivered)
        *delivered = 0;
    if (sender.empty() || topic.empty() || (length && !data))
        return false;
    log().append({ sender, topic, QByteArray(static_cast<const char *>(data), int(length)) });
    return true;
}

QList<SentNotice> &RecordingIPC::log()
{
    static QList<SentNotice> notices;
    return notices;
}

bool RecordingIPC::create(kvds::IKavoIPC **out)
{
    auto *endpoint = new RecordingIPC;
    endpoint->AddRef();
    *out = endpoint;
    return true;
}

bool RecordingIPC::fail(kvds::IKavoIPC **)
{
    return false;
}
