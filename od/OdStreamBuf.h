#pragma once

#include "DbDxfFiler.h"

#include <cstdint>
#include <memory>
#include <vector>

// A seekable stream of bytes.
class OdStreamBuf : public OdRxObject {
 public:
  virtual uint64_t length() const = 0;
  virtual uint64_t seek(int64_t offset, OdDb::FilerSeekType from) = 0;
  virtual uint64_t tell() const = 0;
  virtual bool isEof() const = 0;
  virtual void getBytes(void* buffer, uint32_t count) = 0;
  virtual void putBytes(const void* buffer, uint32_t count) = 0;
  virtual void truncate() = 0;
  void rewind() { seek(0, OdDb::kSeekFromStart); }
};

// Base for a memory stream that is mixed into another class (a filer) rather
// than being a stream object of its own.
class OdMemoryStreamDummyBase {
 public:
  virtual ~OdMemoryStreamDummyBase() = default;
};

// A memory stream that grows in pages, so appending never moves what was written.
template <class TBase = OdMemoryStreamDummyBase>
class OdMemoryStreamImpl : public TBase {
 public:
  explicit OdMemoryStreamImpl(uint32_t pageSize = 0x800) : m_pageSize(pageSize ? pageSize : 0x800) {}

  void setPageDataSize(uint32_t pageSize) {
    if (m_pages.empty()) m_pageSize = pageSize ? pageSize : m_pageSize;
  }
  uint32_t pageDataSize() const { return m_pageSize; }

  uint64_t length() const { return m_length; }
  uint64_t tell() const { return m_position; }
  bool isEof() const { return m_position >= m_length; }
  uint64_t seek(int64_t offset, OdDb::FilerSeekType from) {
    int64_t base = from == OdDb::kSeekFromStart ? 0
                   : from == OdDb::kSeekFromCurrent ? static_cast<int64_t>(m_position)
                                                     : static_cast<int64_t>(m_length);
    int64_t target = base + offset;
    if (target < 0 || static_cast<uint64_t>(target) > m_length) throw OdError(eInvalidInput, "Seek outside the stream");
    m_position = static_cast<uint64_t>(target);
    return m_position;
  }
  void getBytes(void* buffer, uint32_t count) {
    if (m_position + count > m_length) throw OdError(eInvalidInput, "Read past the end of the stream");
    auto* out = static_cast<uint8_t*>(buffer);
    while (count) {
      uint32_t inPage = static_cast<uint32_t>(m_position % m_pageSize);
      uint32_t chunk = std::min(count, m_pageSize - inPage);
      std::copy_n(m_pages[m_position / m_pageSize].get() + inPage, chunk, out);
      out += chunk;
      count -= chunk;
      m_position += chunk;
    }
  }
  void putBytes(const void* buffer, uint32_t count) {
    auto* in = static_cast<const uint8_t*>(buffer);
    while (count) {
      size_t page = m_position / m_pageSize;
      while (m_pages.size() <= page) m_pages.push_back(std::make_unique<uint8_t[]>(m_pageSize));
      uint32_t inPage = static_cast<uint32_t>(m_position % m_pageSize);
      uint32_t chunk = std::min(count, m_pageSize - inPage);
      std::copy_n(in, chunk, m_pages[page].get() + inPage);
      in += chunk;
      count -= chunk;
      m_position += chunk;
    }
    m_length = std::max(m_length, m_position);
  }
  void truncate() { m_length = m_position; }

 private:
  uint32_t m_pageSize;
  std::vector<std::unique_ptr<uint8_t[]>> m_pages;
  uint64_t m_position = 0;
  uint64_t m_length = 0;
};

// A stream object of its own, held by smart pointers.
using OdMemoryStream = OdMemoryStreamImpl<OdStreamBuf>;
