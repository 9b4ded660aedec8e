#include "OdTimeStamp.h"
#include "RxSystemServices.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <fstream>
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

TEST(TimeStamp, PackedValueCountsMillisecondsSince1970) {
  EXPECT_EQ(sample().packedValue(), 1796518923456u);
  EXPECT_EQ(OdTimeStamp().packedValue(), 0u);
  OdTimeStamp t;
  t.setPackedValue(1796518923456u);
  EXPECT_EQ(t, sample());
  short month, day, year, hour, minute, second, ms;
  t.getDate(month, day, year);
  t.getTime(hour, minute, second, ms);
  EXPECT_EQ(month, 12);
  EXPECT_EQ(day, 6);
  EXPECT_EQ(year, 2026);
  EXPECT_EQ(hour, 1);
  EXPECT_EQ(minute, 2);
  EXPECT_EQ(second, 3);
  EXPECT_EQ(ms, 456);
  EXPECT_EQ(t.dayOfWeek(), 0);
}

TEST(TimeStamp, DatesBefore1970RoundTrip) {
  OdTimeStamp landing(7, 20, 1969, 20, 17, 40, 0);
  EXPECT_EQ(static_cast<int64_t>(landing.packedValue()), -14182940000);
  OdTimeStamp back;
  back.setPackedValue(landing.packedValue());
  short month, day, year, hour, minute, second, ms;
  back.getDate(month, day, year);
  back.getTime(hour, minute, second, ms);
  EXPECT_EQ(year, 1969);
  EXPECT_EQ(month, 7);
  EXPECT_EQ(day, 20);
  EXPECT_EQ(hour, 20);
  EXPECT_EQ(minute, 17);
  EXPECT_EQ(second, 40);
}

TEST(TimeStamp, SettingTheDateKeepsTheTime) {
  OdTimeStamp t = sample();
  t.setDate(2, 29, 2024);
  EXPECT_EQ(t, OdTimeStamp(2, 29, 2024, 1, 2, 3, 456));
  t.setTime(23, 59, 59, 999);
  EXPECT_EQ(t, OdTimeStamp(2, 29, 2024, 23, 59, 59, 999));
}

TEST(TimeStamp, LongDateAndTimeFollowWindowsHashCodes) {
  OdTimeStamp t = sample();
  EXPECT_EQ(formatted(t, "%#c"), OdString("Sunday, December 06, 2026 01:02:03"));
  EXPECT_EQ(formatted(t, "%#x"), OdString("Sunday, December 06, 2026"));
  EXPECT_EQ(formatted(t, "%#d.%#m.%#H"), OdString("6.12.1"));
  EXPECT_EQ(formatted(OdTimeStamp(1, 1, 2026, 0, 0, 0, 0), "%#H:%#M"), OdString("0:0"));
}

TEST(TimeStamp, UsualStrftimeCodes) {
  OdTimeStamp t = sample();
  EXPECT_EQ(formatted(t, "%Y-%m-%d %H:%M:%S"), OdString("2026-12-06 01:02:03"));
  EXPECT_EQ(formatted(t, "%a %b %e %I %p %j %y %%"), OdString("Sun Dec  6 01 AM 340 26 %"));
  EXPECT_EQ(formatted(t, "%A %B"), OdString("Sunday December"));
  EXPECT_EQ(formatted(t, "at %T, 100%"), OdString("at 01:02:03, 100%"));
  EXPECT_EQ(formatted(t, ""), OdString(""));
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

TEST(TimeStamp, NowIsUniversalTime) {
  OdTimeStamp now(OdTimeStamp::kInitUniversalTime);
  int64_t seconds = static_cast<int64_t>(now.packedValue() / 1000);
  EXPECT_LE(std::llabs(seconds - static_cast<int64_t>(std::time(nullptr))), 2);
  ZoneGuard eastern("EST5");
  OdTimeStamp local(OdTimeStamp::kInitLocalTime);
  int64_t behind = static_cast<int64_t>(now.packedValue()) - static_cast<int64_t>(local.packedValue());
  EXPECT_NEAR(static_cast<double>(behind), 5 * 3600 * 1000.0, 2000.0);
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

TEST_F(SystemServicesTest, ModificationTimeOfANewFileIsNow) {
  std::ofstream(m_path) << "x";
  OdTimeStamp mtime;
  ASSERT_EQ(odrxSystemServices()->getFileMTime(OdString(m_path), mtime), eOk);
  int64_t seconds = static_cast<int64_t>(mtime.packedValue() / 1000);
  EXPECT_LE(std::llabs(seconds - static_cast<int64_t>(std::time(nullptr))), 5);
}

TEST_F(SystemServicesTest, MissingFileIsNotFound) {
  OdTimeStamp mtime = sample();
  EXPECT_EQ(odrxSystemServices()->getFileMTime(OdString(m_path + ".missing"), mtime), eFileNotFound);
  EXPECT_EQ(mtime, sample());
  EXPECT_EQ(odrxSystemServices()->getFileMTime(OdString(m_path + "/below/a/file"), mtime), eFileNotFound);
}

TEST_F(SystemServicesTest, AccessFileTellsWhetherTheFileExists) {
  OdRxSystemServices* services = odrxSystemServices();
  EXPECT_TRUE(services->fileExists(OdString(m_path)));
  EXPECT_TRUE(services->accessFile(OdString(m_path), OdFile::kRead | OdFile::kWrite));
  EXPECT_FALSE(services->fileExists(OdString(m_path + ".missing")));
  EXPECT_FALSE(services->accessFile(OdString(m_path + ".missing"), OdFile::kRead));
  EXPECT_TRUE(services->isKindOf(OdRxSystemServices::desc()));
}

}  // namespace
