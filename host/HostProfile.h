#pragma once

#include "IProfile.h"
#include "OdString.h"

#include <memory>
#include <vector>

// The user's settings in a small text file, one "[section/path]" line
// before each section's "key = type value" lines (types u16, i32, str):
//
//   [cmddata/DrawingComparison]
//   Tolerance = i32 6
//   Title = str "Plan \"A\""
class HostProfile : public UnknownImpl<IProfile> {
 public:
  // Reads the file when there is one; nothing is written before flush.
  explicit HostProfile(const OdString& path);
  ~HostProfile() override;

  // CADHOST_PROFILE, else $XDG_CONFIG_HOME/cadhost/profile, else ~/.config/cadhost/profile.
  static OdString defaultPath();
  const OdString& path() const { return m_path; }
  // Lines of the file that could not be read, each with its line number.
  const std::vector<OdString>& problems() const { return m_problems; }

  // "" opens the top level.
  IProfileSection* openSection(const char* path, bool create) override;
  // Makes the section when missing; it is written with the first change
  // that is worth writing the profile for.
  void keepSection(const char* path);
  bool flush() override;
  bool queryInterface(const char* iid, void** out) override;

  struct Node;
  struct State;

 private:
  void load();

  OdString m_path;
  std::shared_ptr<State> m_state;
  std::vector<OdString> m_problems;
};
