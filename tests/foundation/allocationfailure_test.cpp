// Running out of memory behind the plug-in's C entry or an endpoint's
// interface is a result, never an exception that escapes: each step below
// runs with its first, second, ... allocation failing.
#include "ipc/ckavonamedpipeipc.h"
#include "ipc/kavoipc.h"
#include "ipc/refcountedptr.h"
#include "plugin/plugin.h"
#include "plugin/plugincontext.h"
#include "tests/foundation/quietcontext.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include <dlfcn.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

thread_local long t_allocationsLeft = -1; // -1: none fails
thread_local bool t_failed = false;

void *allocate(std::size_t size, bool nothrow)
{
    if (t_allocationsLeft >= 0 && t_allocationsLeft-- == 0) {
        t_failed = true;
        if (nothrow)
            return nullptr;
        throw std::bad_alloc();
    }
    void *memory = std::malloc(size ? size : 1);
    if (!memory && !nothrow)
        throw std::bad_alloc();
    return memory;
}

// Runs step with allocation k failing, k = 0, 1, ..., until it needs none
// to fail; answers how many runs there were.
int WithEachAllocationFailing(const std::function<void()> &step)
{
    for (int k = 0;; ++k) {
        t_failed = false;
        t_allocationsLeft = k;
        EXPECT_NO_THROW(step()) << "allocation " << k;
        t_allocationsLeft = -1;
        if (!t_failed)
            return k + 1;
    }
}

class Counting : public kvtl::RefCountedImpl<kvds::IKavoIPCCallback>
{
public:
    void OnMessage(const std::string &, const std::string &, unsigned, const void *) override { ++count; }
    int count = 0;
};

} // namespace

void *operator new(std::size_t size)
{
    return allocate(size, false);
}
void *operator new[](std::size_t size)
{
    return allocate(size, false);
}
void *operator new(std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size, true);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept
{
    return allocate(size, true);
}
void operator delete(void *memory) noexcept
{
    std::free(memory);
}
void operator delete[](void *memory) noexcept
{
    std::free(memory);
}
void operator delete(void *memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete[](void *memory, std::size_t) noexcept
{
    std::free(memory);
}
void operator delete(void *memory, const std::nothrow_t &) noexcept
{
    std::free(memory);
}
void operator delete[](void *memory, const std::nothrow_t &) noexcept
{
    std::free(memory);
}

TEST(AllocationFailure, EndpointsAnswerWithResults)
{
    kvtl::RefCountedPtr<kvds::IKavoIPC> window;
    ASSERT_TRUE(CreateWindowMessageIPC(&window));
    kvtl::RefCountedPtr<Counting> heard(new Counting);
    auto *endpoint = static_cast<KavoIPC *>(window.get());
    // A registration either happens whole or not at all.
    EXPECT_GT(WithEachAllocationFailing(
                  [&] { window->RegisterCallback(std::string("Device/"), heard.get(), false); }),
        1);
    ASSERT_TRUE(window->RegisterCallback(std::string("Device/"), heard.get(), false));

    std::string message(528 + 2, '\0');
    message.replace(0, 2, "me");
    message.replace(260, 13, "Device/Change");
    message[520] = 2;
    const auto *bytes = reinterpret_cast<const unsigned char *>(message.data());
    int answered = 0;
    WithEachAllocationFailing([&] {
        answered += endpoint->OnCopyData(endpoint->WindowName().c_str(), KavoIPC::kCopyDataTag, bytes,
            static_cast<uint32_t>(message.size()));
    });
    EXPECT_EQ(heard->count, answered);
    EXPECT_GE(answered, 1);
    int delivered = -1;
    WithEachAllocationFailing(
        [&] { window->Send(std::string("me"), std::string("Other/"), 0, nullptr, &delivered); });
    // Still whole afterwards.
    EXPECT_TRUE(window->Send(std::string("me"), std::string("Device/Create"), 0, nullptr, &delivered));
    EXPECT_EQ(delivered, 1);

    kvtl::RefCountedPtr<kvds::IKavoIPC> pipe;
    ASSERT_TRUE(kvds::CreateNamedPipeIPC("allocation-failure", true, nullptr, &pipe));
    WithEachAllocationFailing([&] { pipe->RegisterCallback(std::string("T"), heard.get(), true); });
}

TEST(AllocationFailure, GetPluginAnswersNoPluginInsteadOfThrowing)
{
    void *library = dlopen(KAVO_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Entry = int (*)(Orbe::PluginContext *, Orbe::Plugin **);
    auto entry = reinterpret_cast<Entry>(dlsym(library, "_getPlugin"));
    ASSERT_NE(entry, nullptr);
    QuietContext context;
    int made = 0;
    WithEachAllocationFailing([&] {
#if defined(__SANITIZE_ADDRESS__)
        // What Qt's own objects leave behind when their construction fails
        // is not ours to find.
        __lsan::ScopedDisabler quiet;
#endif
        Orbe::Plugin *plugin = reinterpret_cast<Orbe::Plugin *>(1);
        EXPECT_EQ(entry(&context, &plugin), Orbe::Ok);
        EXPECT_NE(plugin, reinterpret_cast<Orbe::Plugin *>(1));
        if (plugin) {
            ++made;
            plugin->addRef();
            plugin->release();
        }
    });
    EXPECT_GE(made, 1);
}
