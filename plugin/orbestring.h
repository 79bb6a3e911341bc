#pragma once

namespace Orbe {

// The framework's allocator of id bytes; one instance per process.
template <class T> class StandardAllocator
{
public:
    virtual ~StandardAllocator() = default;
    virtual T *allocate(int n) { return new T[n]; }
    virtual void deallocate(T *p) { delete[] p; }

    static StandardAllocator *instance()
    {
        static StandardAllocator allocator;
        return &allocator;
    }
};

// Byte string of the plug-in framework; null data is the empty string.
class String
{
public:
    String() = default;
    String(const char *text);
    String(const char *text, int length);
    String(const String &other);
    String &operator=(const String &other);
    ~String();

    const char *data() const { return m_data; }
    const char *c_str() const { return m_data ? m_data : ""; }
    int length() const { return m_length; }
    bool isEmpty() const { return m_length == 0; }

    bool operator==(const String &other) const;
    bool operator!=(const String &other) const { return !(*this == other); }

private:
    void assign(const char *text, int length);
    void clear();

    char *m_data = nullptr;
    int m_length = 0;
    StandardAllocator<char> *m_allocator = StandardAllocator<char>::instance();
};

} // namespace Orbe
