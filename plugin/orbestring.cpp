#include "plugin/orbestring.h"

#include <cstring>

namespace Orbe {

String::String(const char *text)
{
    assign(text, text ? static_cast<int>(std::strlen(text)) : 0);
}

String::String(const char *text, int length)
{
    assign(text, length);
}

String::String(const String &other)
{
    assign(other.m_data, other.m_length);
}

String &String::operator=(const String &other)
{
    if (this != &other) {
        clear();
        assign(other.m_data, other.m_length);
    }
    return *this;
}

String::~String()
{
    clear();
}

bool String::operator==(const String &other) const
{
    return std::strcmp(c_str(), other.c_str()) == 0;
}

void String::assign(const char *text, int length)
{
    if (!text || length <= 0)
        return;
    m_data = m_allocator->allocate(length + 1);
    std::memcpy(m_data, text, static_cast<size_t>(length));
    m_data[length] = '\0';
    m_length = length;
}

void String::clear()
{
    if (m_data)
        m_allocator->deallocate(m_data);
    m_data = nullptr;
    m_length = 0;
}

} // namespace Orbe
