#include "OdTimeStamp.h"
#include "RxSystemServices.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace {

// Sets TZ for one test and puts the previous value back.
class ZoneGuard {
 public:
  explicit ZoneGuard(const char* zone) {
    if (const char* old = std::getenv("TZ")) m_previous = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ZoneGuard() {
    if (m_previous) setenv("TZ", m_previous->c_str(), 1);
    else unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> m_previous;
};

OdString formatted(const OdTimeStamp& t, const char* format) {
  OdString out;
  t.strftime(OdString(format), out);
  return out;
}

// 2026-12-06 01:02:03.456, a Sunday.
OdTimeStamp sample() { return OdTimeStamp(12, 6, 2026, 1, 2, 3, 456); }

// "month/day/year hour:minute:second.ms" as the getters give it.
std::string parts(const OdTimeStamp& t) {
  short month, day, year, hour, minute, second, ms;
  t.getDate(month, day, year);
  t.getTime(hour, minute, second, ms);
  return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year) + " " + std::to_string(hour) +
         ":" + std::to_string(minute) + ":" + std::to_string(second) + "." + std::to_string(ms);
}

TEST(TimeStamp, PackedValueCountsMillisecondsSince1970EvenBefore) {
  EXPECT_EQ(sample().packedValue(), 1796518923456u);
  EXPECT_EQ(OdTimeStamp().packedValue(), 0u);
  OdTimeStamp t;
  t.setPackedValue(1796518923456u);
  EXPECT_EQ(parts(t), "12/6/2026 1:2:3.456");
  EXPECT_EQ(t.dayOfWeek(), 0);
  OdTimeStamp landing(7, 20, 1969, 20, 17, 40, 0);
  EXPECT_EQ(static_cast<int64_t>(landing.packedValue()), -14182940000);
  t.setPackedValue(landing.packedValue());
  EXPECT_EQ(parts(t), "7/20/1969 20:17:40.0");
}

// The usual codes, and the hash codes of long dates and times without leading zeros.
TEST(TimeStamp, FormatsByStrftimeCodes) {
  const std::pair<const char*, const char*> cases[] = {
      {"%#c", "Sunday, December 06, 2026 01:02:03"},
      {"%#x", "Sunday, December 06, 2026"},
      {"%#d.%#m.%#H", "6.12.1"},
      {"%Y-%m-%d %H:%M:%S", "2026-12-06 01:02:03"},
      {"%a %b %e %I %p %j %y %%", "Sun Dec  6 01 AM 340 26 %"},
      {"%A %B", "Sunday December"},
      {"at %T, 100%", "at 01:02:03, 100%"},
      {"", ""},
  };
  for (const auto& [format, expected] : cases) EXPECT_EQ(formatted(sample(), format), OdString(expected)) << format;
  EXPECT_EQ(formatted(OdTimeStamp(1, 1, 2026, 0, 0, 0, 0), "%#H:%#M"), OdString("0:0"));
}

TEST(TimeStamp, UniversalAndLocalInAFixedZone) {
  {
    ZoneGuard utc("UTC");
    OdTimeStamp t = sample();
    t.universalToLocal();
    EXPECT_EQ(t, sample());
    t.localToUniversal();
    EXPECT_EQ(t, sample());
  }
  ZoneGuard eastern("EST5");  // five hours behind universal time, no summer time
  OdTimeStamp t = sample();
  t.universalToLocal();
  EXPECT_EQ(t, OdTimeStamp(12, 5, 2026, 20, 2, 3, 456));
  t.localToUniversal();
  EXPECT_EQ(t, sample());
}

class SystemServicesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/od_mtime_XXXXXX";
    int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    m_path = name;
  }
  void TearDown() override { std::remove(m_path.c_str()); }
  std::string m_path;
};

TEST_F(SystemServicesTest, ModificationTimeOfAFileIsUniversalTime) {
  struct timespec times[2] = {{1577934245, 0}, {1577934245, 250000000}};  // 2020-01-02 03:04:05.250 UTC
  ASSERT_EQ(utimensat(AT_FDCWD, m_path.c_str(), times, 0), 0);
  OdTimeStamp mtime;
  ASSERT_EQ(odrxSystemServices()->getFileMTime(OdString(m_path), mtime), eOk);
  EXPECT_EQ(mtime, OdTimeStamp(1, 2, 2020, 3, 4, 5, 250));
}

TEST_F(SystemServicesTest, MissingFileIsNotFound) {
  OdTimeStamp mtime = sample();
  EXPECT_EQ(odrxSystemServices()->getFileMTime(OdString(m_path + ".missing"), mtime), eFileNotFound);
  EXPECT_EQ(mtime, sample());
  EXPECT_EQ(odrxSystemServices()->getFileMTime(OdString(m_path + "/below/a/file"), mtime), eFileNotFound);
}

}  // namespace
