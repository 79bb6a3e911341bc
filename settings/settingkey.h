#pragma once

namespace kvds {

// One row of the settings catalogue: the value name and the section (the
// subkey below a component's key) it lives in.
struct SettingKey
{
    const char *key;
    const char *section;
};

} // namespace kvds
