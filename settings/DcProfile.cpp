#include "DcProfile.h"

#include "DcHost.h"

namespace dwgcompare {
namespace {
// The profile answers the fallback both for a missing value and for one of
// another type; two different fallbacks tell those apart from a stored value.
template <class T, class Getter>
std::optional<T> readTyped(const IProfileSection& section, const char* key, Getter get) {
  T value = (section.*get)(key, T(0));
  if (value != T(0) || (section.*get)(key, T(1)) == T(0)) return value;
  return std::nullopt;
}
}  // namespace

HostRefPtr<IProfileSection> openExistingProfileSection(const char* path) {
  HostRefPtr<IProfile> profile = HostRefPtr<IProfile>::adopt(hostProfile());
  return profile ? HostRefPtr<IProfileSection>::adopt(profile->openSection(path, false)) : HostRefPtr<IProfileSection>();
}

HostRefPtr<IProfileSection> openSettingsSection() {
  HostRefPtr<IProfileSection> cmddata = openExistingProfileSection("cmddata");
  return cmddata ? HostRefPtr<IProfileSection>::adopt(cmddata->openSection("DrawingComparison", true))
                 : HostRefPtr<IProfileSection>();
}

std::optional<uint16_t> readUInt16(const IProfileSection& section, const char* key) {
  return readTyped<uint16_t>(section, key, &IProfileSection::getUInt16);
}

std::optional<int32_t> readInt32(const IProfileSection& section, const char* key) {
  return readTyped<int32_t>(section, key, &IProfileSection::getInt32);
}

}  // namespace dwgcompare
