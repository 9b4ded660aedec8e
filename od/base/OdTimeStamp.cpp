#include "OdTimeStamp.h"

#include <chrono>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

namespace {

constexpr int64_t kMsPerSecond = 1000;
constexpr int64_t kMsPerDay = 86400 * kMsPerSecond;

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

int64_t daysSinceEpoch(int year, int month, int day) {
  std::chrono::year_month_day ymd{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                  std::chrono::day(static_cast<unsigned>(day))};
  return std::chrono::sys_days(ymd).time_since_epoch().count();
}

std::chrono::year_month_day dateOf(int64_t msec) {
  return std::chrono::year_month_day(std::chrono::sys_days(std::chrono::days(floorDiv(msec, kMsPerDay))));
}

int64_t msecOfDay(int64_t msec) { return msec - floorDiv(msec, kMsPerDay) * kMsPerDay; }

// The broken-down form C's time functions take; tm_isdst says "unknown".
std::tm toTm(int64_t msec) {
  auto ymd = dateOf(msec);
  int64_t days = floorDiv(msec, kMsPerDay), seconds = msecOfDay(msec) / kMsPerSecond;
  std::tm tm{};
  tm.tm_year = static_cast<int>(ymd.year()) - 1900;
  tm.tm_mon = static_cast<int>(static_cast<unsigned>(ymd.month())) - 1;
  tm.tm_mday = static_cast<int>(static_cast<unsigned>(ymd.day()));
  tm.tm_hour = static_cast<int>(seconds / 3600);
  tm.tm_min = static_cast<int>(seconds / 60 % 60);
  tm.tm_sec = static_cast<int>(seconds % 60);
  tm.tm_wday = static_cast<int>(((days + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
  tm.tm_yday = static_cast<int>(days - daysSinceEpoch(static_cast<int>(ymd.year()), 1, 1));
  tm.tm_isdst = -1;
  return tm;
}

// The tm's wall-clock time read as if it were universal time, in seconds.
int64_t wallSeconds(const std::tm& tm) {
  return daysSinceEpoch(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) * 86400 + tm.tm_hour * 3600 + tm.tm_min * 60 +
         tm.tm_sec;
}

std::string formatTm(const std::tm& tm, std::string_view format);

std::string formatWith(const std::tm& tm, const std::string& format) {
  char buffer[256];
  size_t n = std::strftime(buffer, sizeof buffer, format.c_str(), &tm);
  return std::string(buffer, n);
}

// The Windows "#" flag: long forms of the date, no leading zeros on numbers.
std::string formatAlternate(const std::tm& tm, char code) {
  if (code == 'c') return formatTm(tm, "%A, %B %d, %Y %H:%M:%S");
  if (code == 'x') return formatTm(tm, "%A, %B %d, %Y");
  std::string text = formatWith(tm, std::string{'%', code});
  if (!std::strchr("dHIjmMSUwWyY", code)) return text;
  size_t zeros = text.find_first_not_of('0');
  return zeros == std::string::npos ? "0" : text.substr(zeros);
}

std::string formatTm(const std::tm& tm, std::string_view format) {
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%' || i + 1 == format.size()) {
      out += format[i];
      continue;
    }
    size_t code = i + 1;
    if (format[code] == '#' && code + 1 < format.size()) {
      out += formatAlternate(tm, format[code + 1]);
      i = code + 1;
      continue;
    }
    // C and POSIX flags and modifiers ("%-d", "%Ec") go to strftime with their code.
    while (code + 1 < format.size() && std::strchr("-_0^EO", format[code])) ++code;
    out += formatWith(tm, std::string(format.substr(i, code - i + 1)));
    i = code;
  }
  return out;
}

}  // namespace

OdTimeStamp::OdTimeStamp(InitialValue init) {
  if (init == kInitZero) return;
  setToNow();
  if (init == kInitLocalTime) universalToLocal();
}

OdTimeStamp::OdTimeStamp(short month, short day, short year, short hour, short minute, short second,
                         short millisecond) {
  setDate(month, day, year);
  setTime(hour, minute, second, millisecond);
}

void OdTimeStamp::getDate(short& month, short& day, short& year) const {
  auto ymd = dateOf(m_msec);
  month = static_cast<short>(static_cast<unsigned>(ymd.month()));
  day = static_cast<short>(static_cast<unsigned>(ymd.day()));
  year = static_cast<short>(static_cast<int>(ymd.year()));
}

void OdTimeStamp::setDate(short month, short day, short year) {
  m_msec = daysSinceEpoch(year, month, day) * kMsPerDay + msecOfDay(m_msec);
}

void OdTimeStamp::getTime(short& hour, short& minute, short& second, short& millisecond) const {
  int64_t ms = msecOfDay(m_msec);
  hour = static_cast<short>(ms / 3600000);
  minute = static_cast<short>(ms / 60000 % 60);
  second = static_cast<short>(ms / 1000 % 60);
  millisecond = static_cast<short>(ms % 1000);
}

void OdTimeStamp::setTime(short hour, short minute, short second, short millisecond) {
  m_msec = floorDiv(m_msec, kMsPerDay) * kMsPerDay +
           ((int64_t(hour) * 60 + minute) * 60 + second) * kMsPerSecond + millisecond;
}

short OdTimeStamp::dayOfWeek() const { return static_cast<short>(toTm(m_msec).tm_wday); }

void OdTimeStamp::setToNow() {
  auto now = std::chrono::system_clock::now().time_since_epoch();
  m_msec = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

void OdTimeStamp::universalToLocal() {
  int64_t seconds = floorDiv(m_msec, kMsPerSecond);
  std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (!localtime_r(&t, &local)) return;
  m_msec += (wallSeconds(local) - seconds) * kMsPerSecond;
}

void OdTimeStamp::localToUniversal() {
  std::tm tm = toTm(m_msec);
  std::time_t t = std::mktime(&tm);  // tm_isdst -1: the zone decides whether summer time applies
  m_msec = int64_t(t) * kMsPerSecond + (m_msec - floorDiv(m_msec, kMsPerSecond) * kMsPerSecond);
}

void OdTimeStamp::strftime(const OdString& format, OdString& out) const {
  out = OdString(formatTm(toTm(m_msec), format.utf8()));
}
