#pragma once

namespace kvtl {

// Holds exactly one reference; safe in standard containers.
template <class T> class RefCountedPtr_STLSafe
{
public:
    RefCountedPtr_STLSafe() = default;
    RefCountedPtr_STLSafe(T *p)
        : m_p(p)
    {
        if (m_p)
            m_p->AddRef();
    }
    RefCountedPtr_STLSafe(const RefCountedPtr_STLSafe &other)
        : RefCountedPtr_STLSafe(other.m_p)
    {
    }
    virtual ~RefCountedPtr_STLSafe() { reset(); }

    RefCountedPtr_STLSafe &operator=(T *p)
    {
        // Take the new reference first so that assigning the held object keeps it alive.
        if (p)
            p->AddRef();
        T *old = m_p;
        m_p = p;
        if (old)
            old->Release();
        return *this;
    }
    RefCountedPtr_STLSafe &operator=(const RefCountedPtr_STLSafe &other) { return *this = other.m_p; }

    void reset()
    {
        if (T *old = m_p) {
            m_p = nullptr;
            old->Release();
        }
    }

    T *get() const { return m_p; }
    T *operator->() const { return m_p; }
    T &operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

protected:
    T *m_p = nullptr;
};

// Adds access to the raw pointer's address, so a factory can fill it with a
// pointer that already carries the caller's reference.
template <class T> class RefCountedPtr : public RefCountedPtr_STLSafe<T>
{
public:
    using RefCountedPtr_STLSafe<T>::RefCountedPtr_STLSafe;
    using RefCountedPtr_STLSafe<T>::operator=;
    RefCountedPtr() = default;
    RefCountedPtr(const RefCountedPtr &other) = default;
    RefCountedPtr &operator=(const RefCountedPtr &other) = default;

    // Drops any held reference: the factory's reference replaces it.
    T **operator&()
    {
        this->reset();
        return &this->m_p;
    }
};

} // namespace kvtl
