#pragma once

// The device type codes stored in the `type` column, with the label each is
// known by and the key that selects its button icon. Callers translate the
// label in their own context (tr(label)); the labels are UTF-8.

namespace TransferDevicesLibrary {

enum TransferDeviceType {
    DVDPlayer = 0,
    BluRayPlayer = 1,
    TV = 2,
    PlayStation3 = 3,
};

constexpr int TransferDeviceTypeCount = 4;

struct TransferDeviceTypeInfo
{
    int code;
    const char *label;
    const char *iconKey;
};

inline constexpr TransferDeviceTypeInfo TransferDeviceTypes[TransferDeviceTypeCount] = {
    { DVDPlayer, "DVD Player", "DVD" },
    { BluRayPlayer, "Blu-ray Player", "BluRay" },
    { TV, "TV", "TV" },
    { PlayStation3, "PlayStation\u00ae3", "Console" },
};

constexpr bool isKnownDeviceType(int type)
{
    return type >= 0 && type < TransferDeviceTypeCount;
}

// Null for codes outside the table: the file may hold any integer.
constexpr const char *deviceTypeLabel(int type)
{
    return isKnownDeviceType(type) ? TransferDeviceTypes[type].label : nullptr;
}

constexpr const char *deviceTypeIconKey(int type)
{
    return isKnownDeviceType(type) ? TransferDeviceTypes[type].iconKey : nullptr;
}

} // namespace TransferDevicesLibrary
