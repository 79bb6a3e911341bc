#pragma once

#include "ipc/refcounted.h"
#include "ipc/textconvert.h"

#include <string>

namespace kvds {

// Receives the messages of an endpoint on the endpoint's worker thread,
// without any endpoint lock held. data is null when length is 0.
class IKavoIPCCallback : public kvtl::IRefCounted
{
public:
    virtual void OnMessage(
        const std::string &sender, const std::string &topic, unsigned length, const void *data)
        = 0;
};

// A publish/subscribe endpoint: names are UTF-8 byte strings; the wide
// overloads convert and forward to the byte-string ones.
class IKavoIPC : public kvtl::IRefCounted
{
public:
    virtual bool RegisterCallback(const kvtl::WString &prefix, IKavoIPCCallback *cb, bool append)
    {
        return RegisterCallback(kvtl::WideToUtf8(prefix), cb, append);
    }
    virtual bool RegisterCallback(const std::string &prefix, IKavoIPCCallback *cb, bool append) = 0;
    virtual bool Send(const kvtl::WString &sender, const kvtl::WString &topic, unsigned length,
        const void *data, int *delivered)
    {
        return Send(kvtl::WideToUtf8(sender), kvtl::WideToUtf8(topic), length, data, delivered);
    }
    virtual bool Send(const std::string &sender, const std::string &topic, unsigned length, const void *data,
        int *delivered)
        = 0;
};

} // namespace kvds
