#include "HostProfile.h"

#include "HostText.h"
#include "OdError.h"
#include "OdFileWrite.h"

#include <strings.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

struct ProfileValue {
  enum Type { UInt16, Int32, String } type = Int32;
  int64_t number = 0;
  std::wstring text;
};

struct HostProfile::Node {
  std::string name;
  std::vector<std::pair<std::string, ProfileValue>> entries;
  std::vector<std::shared_ptr<Node>> children;

  ProfileValue* find(const char* key) {
    for (auto& [k, v] : entries)
      if (strcasecmp(k.c_str(), key) == 0) return &v;
    return nullptr;
  }
  std::shared_ptr<Node> child(const std::string& childName, bool create, bool* made = nullptr) {
    for (auto& c : children)
      if (strcasecmp(c->name.c_str(), childName.c_str()) == 0) return c;
    if (!create) return nullptr;
    children.push_back(std::make_shared<Node>());
    children.back()->name = childName;
    if (made) *made = true;
    return children.back();
  }
};

struct HostProfile::State {
  std::shared_ptr<Node> root = std::make_shared<Node>();
  bool dirty = false;
};

namespace {
using Node = HostProfile::Node;
using State = HostProfile::State;

// What the file could not tell apart from its syntax: '=' ends a key, '['
// starts a section line, '#' a comment; blanks around names are trimmed.
bool validName(const char* name) {
  if (!name || !*name || *name == '#' || std::isspace(static_cast<unsigned char>(*name))) return false;
  std::string s(name);
  return !std::isspace(static_cast<unsigned char>(s.back())) && s.find_first_of("=[]\n") == std::string::npos;
}

std::vector<std::string> splitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::stringstream in(path);
  for (std::string part; std::getline(in, part, '/');)
    if (!part.empty()) parts.push_back(part);
  return parts;
}

class Section : public UnknownImpl<IProfileSection> {
 public:
  Section(std::shared_ptr<State> state, std::shared_ptr<Node> node) : m_state(std::move(state)), m_node(std::move(node)) {}

  // A path ("cmddata/DrawingComparison") opens sections inside sections.
  IProfileSection* openSection(const char* path, bool create) override {
    if (!path) return nullptr;
    std::shared_ptr<Node> node = m_node;
    for (const std::string& part : splitPath(path)) {
      bool made = false;
      if (!validName(part.c_str()) || !(node = node->child(part, create, &made))) return nullptr;
      changed(made);
    }
    return new Section(m_state, node);
  }
  bool deleteSection(const char* name) override {
    if (!name) return false;
    size_t before = m_node->children.size();
    std::erase_if(m_node->children, [&](const auto& c) { return strcasecmp(c->name.c_str(), name) == 0; });
    return changed(m_node->children.size() != before);
  }
  bool hasEntry(const char* key) const override { return key && m_node->find(key); }
  uint16_t getUInt16(const char* key, uint16_t fallback) const override {
    const ProfileValue* v = key ? m_node->find(key) : nullptr;
    return v && v->type == ProfileValue::UInt16 ? static_cast<uint16_t>(v->number) : fallback;
  }
  int32_t getInt32(const char* key, int32_t fallback) const override {
    const ProfileValue* v = key ? m_node->find(key) : nullptr;
    return v && v->type == ProfileValue::Int32 ? static_cast<int32_t>(v->number) : fallback;
  }
  const wchar_t* getString(const char* key) const override {
    const ProfileValue* v = key ? m_node->find(key) : nullptr;
    return v && v->type == ProfileValue::String ? v->text.c_str() : nullptr;
  }
  bool setUInt16(const char* key, uint16_t value) override { return set(key, {ProfileValue::UInt16, value, {}}); }
  bool setInt32(const char* key, int32_t value) override { return set(key, {ProfileValue::Int32, value, {}}); }
  bool setString(const char* key, const wchar_t* value) override {
    return value && set(key, {ProfileValue::String, 0, value});
  }
  bool deleteEntry(const char* key) override {
    if (!key) return false;
    size_t before = m_node->entries.size();
    std::erase_if(m_node->entries, [&](const auto& e) { return strcasecmp(e.first.c_str(), key) == 0; });
    return changed(m_node->entries.size() != before);
  }
  int entryCount() const override { return static_cast<int>(m_node->entries.size()); }
  const char* entryKey(int index) const override {
    return index >= 0 && index < entryCount() ? m_node->entries[index].first.c_str() : nullptr;
  }
  bool queryInterface(const char* iid, void** out) override {
    *out = nullptr;
    if (!sameInterfaceId(iid, kIID_IProfileSection) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
    addRef();
    *out = static_cast<IProfileSection*>(this);
    return true;
  }

 private:
  bool set(const char* key, ProfileValue value) {
    if (!validName(key)) return false;
    if (ProfileValue* v = m_node->find(key)) *v = std::move(value);
    else m_node->entries.emplace_back(key, std::move(value));
    return changed(true);
  }
  bool changed(bool did) {
    m_state->dirty |= did;
    return did;
  }

  std::shared_ptr<State> m_state;
  std::shared_ptr<Node> m_node;
};

std::string quote(const std::wstring& text) {
  std::string utf8 = hostFromWide(text.c_str()).utf8(), out = "\"";
  for (char c : utf8) {
    if (c == '"' || c == '\\') out += '\\', out += c;
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out + "\"";
}

bool unquote(const std::string& text, std::wstring& out) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return false;
  std::string utf8;
  for (size_t i = 1; i + 1 < text.size(); ++i) {
    char c = text[i];
    if (c == '"') return false;
    if (c == '\\') {
      if (i + 2 >= text.size()) return false;
      char e = text[++i];
      c = e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
    }
    utf8 += c;
  }
  out = hostToWide(OdString(utf8));
  return true;
}

void writeNode(std::ostream& out, const Node& node, const std::string& path) {
  if (!path.empty()) out << "[" << path << "]\n";
  for (const auto& [key, v] : node.entries) {
    out << key << " = ";
    if (v.type == ProfileValue::String) out << "str " << quote(v.text) << "\n";
    else out << (v.type == ProfileValue::UInt16 ? "u16 " : "i32 ") << v.number << "\n";
  }
  for (const auto& c : node.children) writeNode(out, *c, path.empty() ? c->name : path + "/" + c->name);
}

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// "u16 3", "i32 -5", "str \"text\"".
bool parseValue(const std::string& text, ProfileValue& v) {
  std::string type = text.substr(0, text.find(' '));
  std::string rest = trim(text.substr(type.size()));
  if (type == "str") {
    v.type = ProfileValue::String;
    return unquote(rest, v.text);
  }
  char* end = nullptr;
  long long n = std::strtoll(rest.c_str(), &end, 10);
  if (rest.empty() || *end) return false;
  v.number = n;
  if (type == "u16") { v.type = ProfileValue::UInt16; return n >= 0 && n <= 65535; }
  if (type == "i32") { v.type = ProfileValue::Int32; return n >= INT32_MIN && n <= INT32_MAX; }
  return false;
}
}  // namespace

HostProfile::HostProfile(const OdString& path) : m_path(path), m_state(std::make_shared<State>()) { load(); }

HostProfile::~HostProfile() = default;

OdString HostProfile::defaultPath() {
  if (const char* p = std::getenv("CADHOST_PROFILE"); p && *p) return OdString(p);
  std::filesystem::path base;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) base = x;
  else if (const char* h = std::getenv("HOME"); h && *h) base = std::filesystem::path(h) / ".config";
  else base = ".config";
  return OdString((base / "cadhost" / "profile").string());
}

void HostProfile::load() {
  std::error_code ec;
  if (!std::filesystem::exists(m_path.utf8(), ec)) return;
  std::ifstream in(m_path.utf8());
  if (!in) m_problems.push_back(m_path + ": cannot read the profile");
  std::shared_ptr<Node> node = m_state->root;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    line = trim(line);
    if (line.empty() || line[0] == '#') continue;
    auto problem = [&](const char* what) {
      m_problems.push_back(OdString::format("%s:%d: %s", m_path.utf8().c_str(), number, what));
    };
    if (line[0] == '[') {
      if (line.back() != ']') { problem("a section line ends with ']'"); continue; }
      node = m_state->root;
      for (const std::string& part : splitPath(line.substr(1, line.size() - 2))) node = node->child(trim(part), true);
      continue;
    }
    size_t eq = line.find('=');
    ProfileValue value;
    std::string key = eq == std::string::npos ? std::string() : trim(line.substr(0, eq));
    if (key.empty()) { problem("expected \"key = type value\""); continue; }
    if (!parseValue(trim(line.substr(eq + 1)), value)) { problem("expected a value: u16 N, i32 N or str \"text\""); continue; }
    if (ProfileValue* v = node->find(key.c_str())) *v = value;
    else node->entries.emplace_back(key, value);
  }
}

IProfileSection* HostProfile::openSection(const char* path, bool create) {
  HostRefPtr<IProfileSection> top = HostRefPtr<IProfileSection>::adopt(new Section(m_state, m_state->root));
  return top->openSection(path, create);
}

void HostProfile::keepSection(const char* path) {
  bool wasDirty = m_state->dirty;
  HostRefPtr<IProfileSection>::adopt(openSection(path, true));
  m_state->dirty = wasDirty;
}

bool HostProfile::flush() {
  if (!m_state->dirty) return true;
  namespace fs = std::filesystem;
  fs::path target(m_path.utf8());
  std::error_code ec;
  if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
  std::ostringstream text;
  text << "# cadhost profile\n";
  writeNode(text, *m_state->root, "");
  try {
    odWriteFileAtomically(m_path, text.str());
  } catch (const OdError&) {
    return false;
  }
  m_state->dirty = false;
  return true;
}

bool HostProfile::queryInterface(const char* iid, void** out) {
  *out = nullptr;
  if (!sameInterfaceId(iid, kIID_IProfile) && !sameInterfaceId(iid, kIID_IUnknownLike)) return false;
  addRef();
  *out = static_cast<IProfile*>(this);
  return true;
}
