#pragma once

#include "ipc/callbacktable.h"
#include "ipc/ikavoipc.h"
#include "ipc/ikavoipcdelivery.h"
#include "ipc/kavoipcwindow.h"
#include "ipc/kavoosevent.h"
#include "ipc/kavothread.h"
#include "ipc/kavothreadlock.h"
#include "ipc/memorybuffer.h"
#include "ipc/refcountedimpl.h"
#include "ipc/refcountedptr.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Creates a window-message endpoint with one reference for the caller.
// False when its window cannot be made within a few seconds.
bool CreateWindowMessageIPC(kvds::IKavoIPC **out);

// The window-message endpoint: every endpoint of the user's desktop, in
// this process and others, receives every message synchronously on its own
// window thread.
class KavoIPC : public kvtl::RefCountedImpl<kvds::IKavoIPC>, public kvds::IKavoIPCDelivery
{
public:
    static constexpr uint32_t kCopyDataTag = 0x4B495043; // "KIPC"
    static constexpr size_t kMaxNameLength = 256;
    static constexpr size_t kNameFieldSize = 260;
    static constexpr size_t kTopicOffset = 260;
    static constexpr size_t kLengthOffset = 520;
    static constexpr size_t kPayloadOffset = 524;
    static constexpr uint32_t kFixedSize = 528;
    static constexpr int kWindowWaitMs = 5000;

    using kvds::IKavoIPC::RegisterCallback;
    using kvds::IKavoIPC::Send;
    bool RegisterCallback(const std::string &prefix, kvds::IKavoIPCCallback *cb, bool append) override;
    bool Send(const std::string &sender, const std::string &topic, unsigned length, const void *data,
        int *delivered) override;

    // The window's handling of a copy-data message: a well-formed message
    // from a peer window goes to every callback whose prefix starts the
    // topic; answers how many were called.
    int OnCopyData(const char *senderWindow, uint32_t tag, const unsigned char *data, uint32_t size);
    // How deliveries name this endpoint's window.
    const std::string &WindowName() const { return m_window.Name(); }

    // kvds::IKavoIPCDelivery: the process that owns the sender window of
    // the delivery under way on the calling thread.
    bool CurrentSenderProcess(long *processId) const override;

private:
    friend bool CreateWindowMessageIPC(kvds::IKavoIPC **out);

    KavoIPC();
    ~KavoIPC() override;
    static void WindowThreadRoutine(void *endpoint);
    // OnCopyData's work; may throw when memory runs out.
    int Dispatch(const char *senderWindow, uint32_t tag, const unsigned char *data, uint32_t size);
    bool SendLocked(kvtl::MemoryBuffer<unsigned char> &buffer, const std::string &sender,
        const std::string &topic, unsigned length, const void *data, bool onWindowThread, int *delivered);
    // Whether a callback of this endpoint would be called for the topic.
    bool Listens(const std::string &topic) const;

    // Replaced whole on every registration, so a delivery takes its snapshot
    // without copying the table.
    std::shared_ptr<const kvds::CallbackTable> m_callbacks;
    mutable KavoThreadLock m_tableLock;
    kvtl::MemoryBuffer<unsigned char> m_sendBuffer;
    // Sends nested inside a callback of this endpoint's own delivery use a
    // buffer of their own, so the outer send keeps its message.
    int m_sendDepth = 0;
    KavoThreadLock m_sendLock;
    KavoThread m_windowThread;
    KavoIPCWindow m_window;
    bool m_windowCreated = false;
    KavoOS::CKavoEvent m_windowDone;
};
