#pragma once

#include "DcSettings.h"
#include "module/ModuleTestSupport.h"

#include "IProfile.h"

#include <stdexcept>

// A running host whose profile has no "cmddata" section yet. The settings
// are one object per process, so each test destroys them when it ends.
class SettingsFixture : public HostFixture {
 protected:
  void TearDown() override {
    dwgcompare::destroyDcSettings();
    HostFixture::TearDown();
  }

  dwgcompare::DcSettings& settings() {
    dwgcompare::DcSettings* settings = dwgcompare::getDcSettings();
    if (!settings) throw std::runtime_error("no settings");
    return *settings;
  }
  // Saves the settings, restarts the host on its profile file and loads them again.
  dwgcompare::DcSettings& reloadSettings() {
    dwgcompare::destroyDcSettings();
    restartHost();
    return settings();
  }
  HostRefPtr<IProfileSection> settingsSection() { return profileSection("cmddata/DrawingComparison", true); }
};

// A host whose profile has the "cmddata" section, as a host in use has.
class SettingsWithSectionFixture : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    profileSection("cmddata", true);
  }
};
