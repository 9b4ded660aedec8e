#include "GiTextFormat.h"

#include "DbOcs.h"
#include "GiWorldDraw.h"

#include <cmath>
#include <string>

namespace {

// The character code %%nnn gives, or -1 when no three digits follow at.
int characterCode(const std::u16string& s, size_t at) {
  if (at + 3 > s.size()) return -1;
  int code = 0;
  for (size_t k = at; k < at + 3; ++k) {
    if (s[k] < u'0' || s[k] > u'9') return -1;
    code = code * 10 + (s[k] - u'0');
  }
  return code;
}

}  // namespace

OdString odGiPercentCodesReplaced(const OdString& text) {
  const std::u16string& s = text.units();
  if (s.find(u"%%") == std::u16string::npos) return text;
  std::u16string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'%' || i + 2 >= s.size() || s[i + 1] != u'%') {
      out += s[i];
      continue;
    }
    switch (s[i + 2] | 0x20) {
      case u'c': out += u'\u00D8'; break;
      case u'd': out += u'\u00B0'; break;
      case u'p': out += u'\u00B1'; break;
      case u'%': out += u'%'; break;
      case u'u': case u'o': break;
      default: {
        int code = characterCode(s, i + 2);
        if (code < 0) {
          out += s[i];  // not a code: the percent signs as written
          continue;
        }
        out += static_cast<char16_t>(code);
        i += 4;
        continue;
      }
    }
    i += 2;
  }
  return OdString(out);
}

namespace {

// Reads MTEXT contents code by code into the lines they show.
class MTextReader {
 public:
  explicit MTextReader(const std::u16string& s) : m_s(s) {}

  std::vector<OdString> read() {
    while (m_at < m_s.size()) step();
    endLine();
    return m_lines;
  }

 private:
  void step() {
    char16_t c = m_s[m_at++];
    if (c == u'{' || c == u'}' || c == u'\r') return;
    if (c == u'\n') return endLine();
    if (c == u'\\' && m_at < m_s.size()) return code(m_s[m_at++]);
    m_line += c == u'\t' ? u' ' : c;
  }

  void code(char16_t c) {
    switch (c) {
      case u'P': case u'N': case u'X': return endLine();
      case u'~': m_line += u'\u00A0'; return;
      case u'\\': case u'{': case u'}': m_line += c; return;
      case u'L': case u'l': case u'O': case u'o': case u'K': case u'k': return;
      case u'S': return stack();
      case u'f': case u'F': case u'H': case u'C': case u'c': case u'A': case u'Q': case u'W': case u'T': case u'p':
        return skipArgument();
      default: m_line += c; return;  // an unknown code shows its character
    }
  }

  // Arguments end with ';'.
  void skipArgument() {
    size_t end = m_s.find(u';', m_at);
    m_at = end == std::u16string::npos ? m_s.size() : end + 1;
  }

  // Both parts of a stack on one line: "a/b" for a^b, a/b and a#b.
  void stack() {
    while (m_at < m_s.size() && m_s[m_at] != u';') {
      char16_t c = m_s[m_at++];
      if (c == u'\\' && m_at < m_s.size()) c = m_s[m_at++];
      else if (c == u'^' || c == u'#') c = u'/';
      m_line += c;
    }
    if (m_at < m_s.size()) ++m_at;
  }

  void endLine() {
    m_lines.push_back(odGiPercentCodesReplaced(OdString(m_line)));
    m_line.clear();
  }

  const std::u16string& m_s;
  size_t m_at = 0;
  std::u16string m_line;
  std::vector<OdString> m_lines;
};

void wrapLine(const OdString& line, double width, double height, std::vector<OdString>& out) {
  const std::u16string& s = line.units();
  std::u16string current;
  bool first = true;
  size_t start = 0;
  while (start <= s.size()) {
    size_t end = s.find(u' ', start);
    if (end == std::u16string::npos) end = s.size();
    std::u16string word = s.substr(start, end - start);
    std::u16string joined = first ? word : current + u' ' + word;
    if (!first && odGiEstimatedTextLength(OdString(joined), height) > width) {
      out.push_back(OdString(current));
      current = word;
    } else {
      current = joined;
    }
    first = false;
    start = end + 1;
  }
  out.push_back(OdString(current));
}

}  // namespace

std::vector<OdString> odGiMTextLines(const OdString& contents) { return MTextReader(contents.units()).read(); }

double odGiEstimatedTextLength(const OdString& text, double height, double widthFactor) {
  size_t characters = 0;
  for (char16_t c : text.units())
    if (c < 0xDC00 || c > 0xDFFF) ++characters;  // a surrogate pair is one character
  return height * widthFactor * static_cast<double>(characters);
}

std::vector<OdString> odGiWrappedLines(const std::vector<OdString>& lines, double width, double height) {
  if (width <= 0) return lines;
  std::vector<OdString> out;
  for (const OdString& line : lines) wrapLine(line, width, height, out);
  return out;
}

void odGiDrawMText(OdGiWorldDraw* wd, const OdGiMTextLayout& layout, const OdString& contents) {
  std::vector<OdString> lines = odGiWrappedLines(odGiMTextLines(contents), layout.width, layout.height);
  if (lines.empty()) return;
  OdGeVector3d normal = layout.normal.isZeroLength() ? OdGeVector3d::kZAxis : layout.normal.normal();
  OdGeVector3d along = layout.direction - normal * layout.direction.dotProduct(normal);
  OdGeVector3d ocsY;
  if (along.isZeroLength()) odOcsAxes(normal, along, ocsY);
  along.normalize();
  OdGeVector3d up = normal.crossProduct(along);

  int attachment = layout.attachment >= 1 && layout.attachment <= 9 ? layout.attachment : 1;
  int column = (attachment - 1) % 3, row = (attachment - 1) / 3;  // left/centre/right, top/middle/bottom
  double h = layout.height;
  double spacing = 5.0 / 3.0 * h * (layout.lineSpacingFactor > 0 ? layout.lineSpacingFactor : 1);
  double total = h + spacing * static_cast<double>(lines.size() - 1);
  double top = row * total / 2;  // the first line's top above the location
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    double x = -column * odGiEstimatedTextLength(lines[i], h) / 2;
    double y = top - h - spacing * static_cast<double>(i);
    wd->geometry().text(layout.location + along * x + up * y, normal, along, h, 1, 0, lines[i]);
  }
}
