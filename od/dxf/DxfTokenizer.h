#pragma once

#include "DxfFields.h"

#include <deque>
#include <string>
#include <string_view>

// A value of the file as an error message shows it: quoted, control
// characters escaped, cut after 40 bytes.
std::string quotedForMessage(std::string_view value);

// Splits DXF file contents into groups: ASCII (LF or CR LF lines) or binary.
// Malformed input throws OdError with the line or byte offset: a group code
// out of range (-5 to 32767), a number that does not start as one.
class DxfTokenizer {
 public:
  explicit DxfTokenizer(std::string_view data);

  bool isBinary() const { return m_binary; }
  size_t size() const { return m_data.size(); }
  // The next group; false at the end of the data.
  bool next(dxf::Group& group);
  // Where the last group started, for messages ("line 120", "byte 4711").
  std::string position() const { return position(mark()); }
  // The same as a number, kept cheaply and named by position(mark) when needed.
  size_t mark() const { return m_binary ? m_groupStart : m_groupLine; }
  // The byte where the last group started: what lies before it has been read.
  size_t offset() const { return m_groupStart; }
  std::string position(size_t mark) const;
  // Binary values are turned into text held here; cleared between records.
  void releaseValues() { m_values.clear(); }
  // Numbers read from what begins as one but is not wholly one ("1,5",
  // "12 mm"): how many, and the first with its place.
  size_t repairs() const { return m_repairs; }
  const std::string& firstRepair() const { return m_firstRepair; }

 private:
  bool nextAscii(dxf::Group& group);
  bool nextBinary(dxf::Group& group);
  std::string_view readLine();
  bool readPlainCode(int& code);
  bool onlyBlanksRemain() const;
  [[noreturn]] void fail(const std::string& what) const;
  void checkCode(int code) const;
  std::string_view keep(std::string text);
  void noteRepair(int code, std::string_view value);

  std::string_view m_data;
  size_t m_pos = 0;
  size_t m_line = 0;
  size_t m_groupStart = 0;
  size_t m_groupLine = 0;
  bool m_binary = false;
  bool m_shortCodes = false;  // binary files before R13 use one-byte group codes
  std::deque<std::string> m_values;
  size_t m_repairs = 0;
  std::string m_firstRepair;
};
