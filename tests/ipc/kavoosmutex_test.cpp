#include "ipc/kavoos.h"
#include "ipc/kavoosautomutex.h"
#include "ipc/kavoosmutex.h"
#include "ipc/kavothread.h"
#include "ipc/kavothreadlock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using KavoOS::CAutoMutex;
using KavoOS::CKavoMutex;

TEST(CKavoMutexTest, SameThreadTakesUnnamedMutexTwice)
{
    CKavoMutex mutex;
    EXPECT_TRUE(mutex.IsValid());
    EXPECT_FALSE(mutex.IsNamed());
    EXPECT_EQ(mutex.Lock(), 0);
    EXPECT_EQ(mutex.Lock(5), 0);
    EXPECT_EQ(mutex.Unlock(), 0);
    EXPECT_EQ(mutex.Unlock(), 0);
}

TEST(CKavoMutexTest, ExcludesOtherThreadsUntilFullyLeft)
{
    CKavoMutex mutex;
    ASSERT_EQ(mutex.Lock(), 0);
    ASSERT_EQ(mutex.Lock(), 0);
    std::atomic<bool> entered { false };
    std::thread other([&] {
        mutex.Lock();
        entered = true;
        mutex.Unlock();
    });
    mutex.Unlock();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_FALSE(entered.load());
    mutex.Unlock();
    other.join();
    EXPECT_TRUE(entered.load());
}

TEST(CKavoMutexTest, NamedFormFailsClearly)
{
    CKavoMutex mutex("Global\\KavoTest", 100);
    EXPECT_TRUE(mutex.IsNamed());
    EXPECT_FALSE(mutex.IsValid());
    EXPECT_EQ(mutex.Lock(), -1);
    EXPECT_EQ(mutex.Unlock(), -1);
}

TEST(CAutoMutexTest, NullMutexDoesNothing)
{
    CAutoMutex guard(nullptr, -1);
    guard.Unlock();
    SUCCEED();
}

TEST(CAutoMutexTest, HoldsForScopeAndReleasesOnce)
{
    CKavoMutex mutex;
    std::atomic<bool> entered { false };
    std::thread other;
    {
        CAutoMutex guard(&mutex, -1);
        other = std::thread([&] {
            CAutoMutex inner(&mutex, -1);
            entered = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_FALSE(entered.load());
        guard.Unlock();
        other.join();
        EXPECT_TRUE(entered.load());
    }
    // Released exactly once: the mutex is free, not over-released.
    EXPECT_EQ(mutex.Lock(), 0);
    EXPECT_EQ(mutex.Unlock(), 0);
}

TEST(KavoThreadLockTest, ScopeLockIsRecursive)
{
    KavoThreadLock lock;
    std::atomic<bool> entered { false };
    std::thread other;
    {
        KavoThreadLock::ScopeLock outer(lock);
        {
            KavoThreadLock::ScopeLock inner(lock);
        }
        other = std::thread([&] {
            KavoThreadLock::ScopeLock scope(lock);
            entered = true;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_FALSE(entered.load());
    }
    other.join();
    EXPECT_TRUE(entered.load());
}

namespace {
void Record(void *parameter)
{
    auto *seen = static_cast<std::atomic<std::thread::id> *>(parameter);
    seen->store(std::this_thread::get_id());
}
} // namespace

TEST(KavoThreadTest, TrampolineCallsFunctionWithParameterAndDestructorJoins)
{
    std::atomic<std::thread::id> seen {};
    {
        KavoThread thread;
        thread.SetFunction(&Record, &seen);
        EXPECT_TRUE(thread.Start());
        EXPECT_FALSE(thread.Start());
        EXPECT_FALSE(thread.IsCurrentThread());
    }
    EXPECT_NE(seen.load(), std::thread::id());
    EXPECT_NE(seen.load(), std::this_thread::get_id());
}

TEST(KavoThreadTest, WithoutFunctionThreadEndsAtOnce)
{
    KavoThread thread;
    EXPECT_TRUE(thread.Start());
    thread.Join();
    EXPECT_FALSE(thread.IsStarted());
}

TEST(LastErrorTest, IsPerThreadAndKeepsWin32Numbers)
{
    EXPECT_EQ(KavoOS::kErrorFileNotFound, 2u);
    EXPECT_EQ(KavoOS::kErrorBrokenPipe, 109u);
    EXPECT_EQ(KavoOS::kErrorPipeBusy, 231u);
    EXPECT_EQ(KavoOS::kErrorPipeNotConnected, 233u);
    EXPECT_EQ(KavoOS::kErrorPipeListening, 536u);
    KavoOS::SetLastError(KavoOS::kErrorBrokenPipe);
    uint32_t other = 1;
    std::thread([&] { other = KavoOS::GetLastError(); }).join();
    EXPECT_EQ(other, KavoOS::kErrorSuccess);
    EXPECT_EQ(KavoOS::GetLastError(), KavoOS::kErrorBrokenPipe);
}
