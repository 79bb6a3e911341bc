#pragma once

#include <string>

// SQLite's files, held in this process's memory instead of on disk: the
// store and the registry run unchanged over them, while an input no longer
// pays for the system calls (a stat before every read, a sync per write)
// that say nothing about the content under test. Installed as SQLite's
// default file layer. Every lock is granted: the harness and the code under
// test take turns on a file, one connection at a time, on one thread.
class MemoryFiles
{
public:
    static void install();

    // Lays down a file's whole content, or removes it.
    static void put(const std::string &path, const std::string &bytes);
    static void remove(const std::string &path);
    static std::string bytes(const std::string &path);
};
