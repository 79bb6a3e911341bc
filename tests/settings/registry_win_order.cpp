// The settings headers before windows.h: the registry's names must still be
// the system's, with nothing defined twice.
#include "settings/kavosettings.h"
#include "settings/registry.h"

#include <windows.h>

long MissingKeySettingsFirst()
{
    kvreg::RegKey key;
    return kvreg::OpenKey(kvreg::Root::CurrentUser, u"Kavo\\No\\Such\\Key", kvreg::Access::Read, key)
            == ERROR_FILE_NOT_FOUND
        ? REG_SZ
        : REG_NONE;
}
