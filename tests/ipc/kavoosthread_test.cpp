#include "ipc/kavoosthread.h"

#include "ipc/kavoosevent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

using KavoOS::CKavoEvent;
using KavoOS::CKavoThread;

namespace {

struct Probe
{
    std::atomic<int> runs { 0 };
    std::atomic<int> passes { 0 };
    std::atomic<int32_t> value { 0 };
    std::atomic<bool> sawStopAtStart { false };
    CKavoEvent started;
    CKavoEvent release { true };
};

// Loops until stopped.
void Looping(std::atomic<bool> *stop, void *userData, int32_t value)
{
    auto *probe = static_cast<Probe *>(userData);
    probe->sawStopAtStart = stop->load();
    probe->value = value;
    ++probe->runs;
    probe->started.Set();
    while (!stop->load()) {
        ++probe->passes;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Returns as soon as the test releases it, without looking at the flag.
void OneShot(std::atomic<bool> *, void *userData, int32_t value)
{
    auto *probe = static_cast<Probe *>(userData);
    probe->value = value;
    probe->release.Wait(-1);
    ++probe->runs;
    probe->started.Set();
}

} // namespace

TEST(CKavoThreadTest, StartWithoutWorkerCreatesNoThread)
{
    CKavoThread thread(nullptr, nullptr, 0);
    thread.Start();
    EXPECT_FALSE(thread.IsStarted());
    thread.Stop(false);
    thread.Stop(true);
    EXPECT_FALSE(thread.IsStarted());
}

TEST(CKavoThreadTest, WorkerGetsUserDataValueAndClearedFlag)
{
    Probe probe;
    CKavoThread thread(&Looping, &probe, -42);
    thread.Start();
    ASSERT_TRUE(probe.started.Wait(10000));
    EXPECT_TRUE(thread.IsStarted());
    EXPECT_EQ(probe.value.load(), -42);
    EXPECT_FALSE(probe.sawStopAtStart.load());
    thread.Stop(false);
    EXPECT_FALSE(thread.IsStarted());
    EXPECT_EQ(probe.runs.load(), 1);
}

// A worker that returned on its own, or ends once told to: the handle is
// held until a waiting stop, which then does not block.
TEST(CKavoThreadTest, WaitingStopAfterTheWorkerEndsLetsGo)
{
    for (const bool looping : { false, true }) {
        Probe probe;
        CKavoThread thread(looping ? &Looping : &OneShot, &probe, 7);
        thread.Start();
        ASSERT_TRUE(probe.started.Wait(10000)) << looping;
        if (looping)
            thread.Stop(true);
        EXPECT_TRUE(thread.IsStarted()) << looping;
        thread.Stop(false);
        EXPECT_FALSE(thread.IsStarted()) << looping;
        EXPECT_EQ(probe.runs.load(), 1) << looping;
    }
}

TEST(CKavoThreadTest, NoWaitStopKeepsHandleUntilWaitingStop)
{
    Probe probe;
    probe.release.Reset();
    CKavoThread thread(&OneShot, &probe, 1);
    thread.Start();
    thread.Stop(true);
    // The worker is still held back, so a waiting stop would block; the
    // no-wait stop must have returned and kept the thread.
    EXPECT_TRUE(thread.IsStarted());
    EXPECT_EQ(probe.runs.load(), 0);
    probe.release.Set();
    thread.Stop(false);
    EXPECT_FALSE(thread.IsStarted());
    EXPECT_EQ(probe.runs.load(), 1);
}

// A second Start, after a Stop or while running, runs the worker again
// with the flag cleared.
TEST(CKavoThreadTest, StartAgainRunsAFreshWorker)
{
    for (const bool stopFirst : { true, false }) {
        Probe probe;
        CKavoThread thread(&Looping, &probe, 3);
        thread.Start();
        ASSERT_TRUE(probe.started.Wait(10000)) << stopFirst;
        if (stopFirst)
            thread.Stop(false);
        probe.started.Reset();
        thread.Start();
        ASSERT_TRUE(probe.started.Wait(10000)) << stopFirst;
        EXPECT_FALSE(probe.sawStopAtStart.load()) << stopFirst;
        EXPECT_EQ(probe.runs.load(), 2) << stopFirst;
        thread.Stop(false);
        EXPECT_FALSE(thread.IsStarted()) << stopFirst;
    }
}

TEST(CKavoThreadTest, DestructorStopsAndJoins)
{
    Probe probe;
    {
        CKavoThread thread(&Looping, &probe, 0);
        thread.Start();
        ASSERT_TRUE(probe.started.Wait(10000));
    }
    const int passes = probe.passes.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(probe.passes.load(), passes);
}

TEST(CKavoThreadTest, EveryPriorityIndexRuns)
{
    for (int priority = CKavoThread::PriorityLowest; priority <= CKavoThread::PriorityTimeCritical;
         ++priority) {
        Probe probe;
        CKavoThread thread(&Looping, &probe, priority, priority);
        thread.Start();
        ASSERT_TRUE(probe.started.Wait(10000)) << priority;
        thread.Stop(false);
        EXPECT_EQ(probe.value.load(), priority);
    }
}

namespace {

struct SelfStop
{
    CKavoThread *thread = nullptr;
    CKavoEvent done;
};

void StopsItself(std::atomic<bool> *stop, void *userData, int32_t)
{
    auto *self = static_cast<SelfStop *>(userData);
    // Must neither block nor abort on its own thread.
    self->thread->Stop(false);
    if (stop->load())
        self->done.Set();
}

} // namespace

TEST(CKavoThreadTest, WaitingStopOnWorkerThreadOnlyRaisesFlag)
{
    SelfStop self;
    CKavoThread thread(&StopsItself, &self, 0);
    self.thread = &thread;
    thread.Start();
    ASSERT_TRUE(self.done.Wait(10000));
    thread.Stop(false);
    EXPECT_FALSE(thread.IsStarted());
}

TEST(CKavoEventTest, ManualResetReleasesEveryWaiterUntilReset)
{
    CKavoEvent event;
    EXPECT_FALSE(event.IsSet());
    EXPECT_FALSE(event.Wait(0));
    std::atomic<int> woken { 0 };
    std::thread a([&] {
        event.Wait(-1);
        ++woken;
    });
    std::thread b([&] {
        event.Wait(-1);
        ++woken;
    });
    event.Set();
    a.join();
    b.join();
    EXPECT_EQ(woken.load(), 2);
    EXPECT_TRUE(event.Wait(0));
    EXPECT_TRUE(event.Wait(0));
    event.Reset();
    EXPECT_FALSE(event.Wait(1));
    CKavoEvent initially(true);
    EXPECT_TRUE(initially.IsSet());
}

// A Start while another thread waits in Stop(false) must not leave that Stop
// waiting for the new run, which nobody asked to end.
TEST(CKavoThreadTest, StartDuringAnotherThreadsStopLeavesThatStopFree)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        Probe probe;
        CKavoThread thread(&Looping, &probe, 0);
        thread.Start();
        ASSERT_TRUE(probe.started.Wait(5000));
        std::atomic<bool> stopped { false };
        std::thread stopper([&] {
            thread.Stop(false);
            stopped = true;
        });
        while (probe.runs == 1 && thread.IsStarted())
            std::this_thread::yield();
        thread.Start();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!stopped && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!stopped) {
            // Hung for good: nothing here can be torn down any more.
            ADD_FAILURE() << "Stop(false) still waits, attempt " << attempt;
            std::_Exit(1);
        }
        thread.Stop(false);
        stopper.join();
        EXPECT_LE(probe.runs, 2);
    }
}
