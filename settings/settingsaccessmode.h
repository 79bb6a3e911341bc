#pragma once

#include <cstdint>

namespace kvds {

// Which hive(s) a settings object opens and whether it creates its key.
// A child always has its parent's mode.
enum SettingsAccessMode : int32_t {
    OpenUser = 1, // user, read-write
    OpenUserAndMachine = 2, // both, read-write; either may be missing
    OpenMachine = 3, // machine, read-write
    ReadUser = 4, // user, read-only
    ReadUserAndMachine = 5, // both, read-only; either may be missing
    ReadMachine = 6, // machine, read-only
    CreateUser = 7, // user, created when missing
    CreateUserOpenMachine = 8, // user created when missing; machine read when present
    CreateMachine = 9, // machine, created when missing
};

} // namespace kvds
