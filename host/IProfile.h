#pragma once

#include "IUnknownLike.h"

#include <cstdint>

// One section of the profile: typed values by key, and sections inside it.
// Keys and section names compare without regard to ASCII case.
class IProfileSection : public IUnknownLike {
 public:
  // The section inside this one, or deeper by a path ("a/b"); with create it
  // is made when missing, otherwise null when missing. The caller gets one reference.
  virtual IProfileSection* openSection(const char* name, bool create) = 0;
  virtual bool deleteSection(const char* name) = 0;

  virtual bool hasEntry(const char* key) const = 0;
  // Values of another type, or missing, answer the fallback.
  virtual uint16_t getUInt16(const char* key, uint16_t fallback) const = 0;
  virtual int32_t getInt32(const char* key, int32_t fallback) const = 0;
  // Valid until the entry changes; null when missing or not a string.
  virtual const wchar_t* getString(const char* key) const = 0;
  // Adding a key that exists replaces its value and type. Answers false for
  // a key the file could not hold (empty, with '=', '[', ']' or a line break).
  virtual bool setUInt16(const char* key, uint16_t value) = 0;
  virtual bool setInt32(const char* key, int32_t value) = 0;
  virtual bool setString(const char* key, const wchar_t* value) = 0;
  virtual bool deleteEntry(const char* key) = 0;
  // Entries in the order they were added.
  virtual int entryCount() const = 0;
  virtual const char* entryKey(int index) const = 0;
};

// The user's settings, kept in one file.
class IProfile : public IUnknownLike {
 public:
  // A section by path ("cmddata/DrawingComparison"); see IProfileSection::openSection.
  virtual IProfileSection* openSection(const char* path, bool create) = 0;
  // Writes the file (atomically) when anything changed; false when it cannot.
  virtual bool flush() = 0;
};
