#include "tests/ipc/pipe_testsupport.h"

#include <cstdlib>

void PipeTest::SetUp()
{
    const char *current = std::getenv("XDG_RUNTIME_DIR");
    ASSERT_NE(current, nullptr);
    m_saved = current;
    std::string pattern = m_saved + "/tXXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    setenv("XDG_RUNTIME_DIR", m_dir.c_str(), 1);
}

void PipeTest::TearDown()
{
    setenv("XDG_RUNTIME_DIR", m_saved.c_str(), 1);
}
