#pragma once

#include "IProfile.h"

#include <cstdint>
#include <optional>

namespace dwgcompare {

// The module's section of the host profile, "cmddata/DrawingComparison".
// The subsection is made when missing, but only inside an existing "cmddata":
// null without it or without a host profile, and then nothing is read or saved.
HostRefPtr<IProfileSection> openSettingsSection();
// A section of the host profile by path, never created; null when missing.
HostRefPtr<IProfileSection> openExistingProfileSection(const char* path);

// A value stored with that type, or nothing when it is missing or of another type.
std::optional<uint16_t> readUInt16(const IProfileSection& section, const char* key);
std::optional<int32_t> readInt32(const IProfileSection& section, const char* key);

}  // namespace dwgcompare
