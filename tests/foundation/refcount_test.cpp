#include "ipc/memorybuffer.h"
#include "ipc/refcounted.h"
#include "ipc/refcountedimpl.h"
#include "ipc/refcountedptr.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class Counted : public kvtl::IRefCounted
{
};

class Object : public kvtl::RefCountedImpl<Counted>
{
public:
    explicit Object(int *destroyed)
        : m_destroyed(destroyed)
    {
    }
    ~Object() override { ++*m_destroyed; }

private:
    int *m_destroyed;
};

bool makeObject(int *destroyed, Counted **out)
{
    *out = new Object(destroyed);
    (*out)->AddRef();
    return true;
}

} // namespace

TEST(RefCounting, NewObjectStartsAtZeroAndDiesWithItsLastHolder)
{
    int destroyed = 0;
    auto *object = new Object(&destroyed);
    EXPECT_EQ(object->GetRefCount(), 0);
    {
        kvtl::RefCountedPtr<Counted> holder(object);
        EXPECT_EQ(object->GetRefCount(), 1);
    }
    EXPECT_EQ(destroyed, 1);
}

TEST(RefCounting, CopiesInAVectorGiveTheirReferencesBack)
{
    int destroyed = 0;
    kvtl::RefCountedPtr<Counted> holder(new Object(&destroyed));
    {
        std::vector<kvtl::RefCountedPtr_STLSafe<Counted>> table;
        table.emplace_back(holder.get());
        table.push_back(table.front());
        table.resize(10, table.front());
        EXPECT_EQ(holder->GetRefCount(), 11);
        table.clear();
    }
    EXPECT_EQ(holder->GetRefCount(), 1);
    EXPECT_EQ(destroyed, 0);
}

TEST(RefCounting, AssigningTheHeldObjectKeepsItAlive)
{
    int destroyed = 0;
    kvtl::RefCountedPtr<Counted> holder(new Object(&destroyed));
    holder = holder.get();
    const kvtl::RefCountedPtr<Counted> &same = holder;
    holder = same;
    EXPECT_EQ(destroyed, 0);
    EXPECT_EQ(holder->GetRefCount(), 1);

    kvtl::RefCountedPtr<Counted> other(new Object(&destroyed));
    holder = other;
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(other->GetRefCount(), 2);
}

TEST(RefCounting, FactoryFillsTheHolderThroughItsAddress)
{
    int destroyed = 0;
    kvtl::RefCountedPtr<Counted> holder;
    ASSERT_TRUE(makeObject(&destroyed, &holder));
    EXPECT_EQ(holder->GetRefCount(), 1);
    // A second fill drops the first object.
    ASSERT_TRUE(makeObject(&destroyed, &holder));
    EXPECT_EQ(destroyed, 1);
    holder.reset();
    EXPECT_EQ(destroyed, 2);
    EXPECT_FALSE(holder);
}

TEST(MemoryBuffer, ResizeZeroFillKeepAndFree)
{
    kvtl::MemoryBuffer<unsigned short> buffer;
    EXPECT_EQ(buffer.Data(), nullptr);
    buffer.Resize(5, true);
    ASSERT_NE(buffer.Data(), nullptr);
    EXPECT_EQ(buffer.Size(), 5u);
    for (unsigned i = 0; i < 5; ++i)
        EXPECT_EQ(buffer.Data()[i], 0);
    buffer.Data()[2] = 0xBEEF;
    unsigned short *before = buffer.Data();
    buffer.Resize(5, false);
    EXPECT_EQ(buffer.Data(), before);
    EXPECT_EQ(buffer.Data()[2], 0xBEEF);
    buffer.Resize(5, true);
    EXPECT_EQ(buffer.Data()[2], 0);
    buffer.Resize(0, false);
    EXPECT_EQ(buffer.Data(), nullptr);
    EXPECT_EQ(buffer.Size(), 0u);
}
