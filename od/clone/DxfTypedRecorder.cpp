#include "DxfTypedRecorder.h"

#include <cstring>

namespace {
constexpr size_t kBlockSize = 64 * 1024;
}  // namespace

void OdDbDxfTypedRecorder::clear() {
  m_groups.clear();
  m_large.clear();
  m_block = 0;
  m_used = 0;
}

std::string_view OdDbDxfTypedRecorder::keep(std::string_view bytes) {
  if (bytes.empty()) return std::string_view();
  char* at;
  if (bytes.size() > kBlockSize / 4) {
    m_large.push_back(std::make_unique<char[]>(bytes.size()));
    at = m_large.back().get();
  } else {
    if (m_blocks.empty() || m_used + bytes.size() > kBlockSize) {
      if (!m_blocks.empty()) ++m_block;
      if (m_block == m_blocks.size()) m_blocks.push_back(std::make_unique<char[]>(kBlockSize));
      m_used = 0;
    }
    at = m_blocks[m_block].get() + m_used;
    m_used += bytes.size();
  }
  std::memcpy(at, bytes.data(), bytes.size());
  return std::string_view(at, bytes.size());
}

void OdDbDxfTypedRecorder::wrString(int code, const OdString& value) {
  m_utf8.clear();
  OdString::appendUtf8(value.units(), m_utf8);
  m_groups.emplace_back(code, keep(m_utf8));
}

void OdDbDxfTypedRecorder::putInteger(int code, int64_t value) {
  dxf::Group& g = m_groups.emplace_back();
  g.code = code;
  g.type = dxf::GroupType::Integer;
  g.integer = value;
}

void OdDbDxfTypedRecorder::wrHandle(int code, OdDbHandle value) {
  dxf::Group& g = m_groups.emplace_back();
  g.code = code;
  g.type = dxf::GroupType::Handle;
  g.integer = static_cast<int64_t>(value.value());
}

// Unlike text filers, a reference to an object the database no longer holds
// is kept: reading it back, the context decides what it becomes.
void OdDbDxfTypedRecorder::wrObjectId(int code, OdDbObjectId value) {
  dxf::Group& g = m_groups.emplace_back();
  g.code = code;
  g.type = dxf::GroupType::Id;
  g.stub = value.stub();
}

void OdDbDxfTypedRecorder::wrDouble(int code, double value, int) {
  dxf::Group& g = m_groups.emplace_back();
  g.code = code;
  g.type = dxf::GroupType::Real;
  g.real = value;
}

void OdDbDxfTypedRecorder::putReals(int code, const double* values, int count) {
  for (int i = 0; i < count; ++i) wrDouble(code + 10 * i, values[i]);
}

void OdDbDxfTypedRecorder::wrBinaryChunk(int code, const uint8_t* data, uint32_t length) {
  dxf::Group& g = m_groups.emplace_back(code, keep(std::string_view(reinterpret_cast<const char*>(data), length)));
  g.type = dxf::GroupType::Binary;
}
