#include "tests/ipc/pipe_testsupport.h"

// Pipe names are global on Windows; UniqueBase keeps the tests apart.
void PipeTest::SetUp() { }

void PipeTest::TearDown() { }
