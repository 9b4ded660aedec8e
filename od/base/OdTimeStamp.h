#pragma once

#include "OdString.h"

#include <compare>
#include <cstdint>

// A date and time of day to the millisecond, in the proleptic Gregorian
// calendar. The stamp itself does not say whether it holds universal or
// local time; universalToLocal and localToUniversal convert between the two
// with the time zone of the process (TZ).
class OdTimeStamp {
 public:
  enum InitialValue { kInitZero = 1, kInitLocalTime = 2, kInitUniversalTime = 3 };

  OdTimeStamp() = default;  // 1970-01-01 00:00:00.000
  explicit OdTimeStamp(InitialValue init);
  OdTimeStamp(short month, short day, short year, short hour, short minute, short second, short millisecond);

  void getDate(short& month, short& day, short& year) const;
  // Keeps the time of day.
  void setDate(short month, short day, short year);
  void getTime(short& hour, short& minute, short& second, short& millisecond) const;
  // Keeps the date.
  void setTime(short hour, short minute, short second, short millisecond);
  // 0 for Sunday to 6 for Saturday.
  short dayOfWeek() const;

  // Milliseconds since 1970-01-01 00:00:00.000 (seconds times 1000 plus the
  // milliseconds); earlier stamps give the two's complement of their
  // negative count.
  uint64_t packedValue() const { return static_cast<uint64_t>(m_msec); }
  void setPackedValue(uint64_t packed) { m_msec = static_cast<int64_t>(packed); }

  void setToZero() { m_msec = 0; }
  // The current universal time.
  void setToNow();
  void universalToLocal();
  void localToUniversal();

  // C strftime codes, plus the Windows "#" flag: "%#c" is the long date and
  // time ("Sunday, December 06, 2026 01:02:03"), "%#x" the long date, and
  // "#" on a numeric code drops its leading zeros.
  void strftime(const OdString& format, OdString& out) const;

  auto operator<=>(const OdTimeStamp&) const = default;

 private:
  int64_t m_msec = 0;
};
