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
    m_page = m_position / m_pageSize;
    m_inPage = static_cast<uint32_t>(m_position % m_pageSize);
    return m_position;
  }
  void getBytes(void* buffer, uint32_t count) {
    if (m_position + count > m_length) throw OdError(eInvalidInput, "Read past the end of the stream");
    auto* out = static_cast<uint8_t*>(buffer);
    while (count) {
      uint32_t chunk = nextChunk(count);
      std::copy_n(m_pages[m_page].get() + m_inPage, chunk, out);
      out += chunk;
      advance(chunk, count);
    }
  }
  void putBytes(const void* buffer, uint32_t count) {
    auto* in = static_cast<const uint8_t*>(buffer);
    while (count) {
      uint32_t chunk = nextChunk(count);
      while (m_pages.size() <= m_page) m_pages.push_back(std::make_unique<uint8_t[]>(m_pageSize));
      std::copy_n(in, chunk, m_pages[m_page].get() + m_inPage);
      in += chunk;
      advance(chunk, count);
    }
    m_length = std::max(m_length, m_position);
  }
  void truncate() { m_length = m_position; }

 private:
  // How much of count fits in the page at the position, moving to the next
  // page when this one is full. Values are written a few bytes at a time:
  // the position's page is kept rather than divided out each time.
  uint32_t nextChunk(uint32_t count) {
    if (m_inPage == m_pageSize) {
      ++m_page;
      m_inPage = 0;
    }
    return std::min(count, m_pageSize - m_inPage);
  }
  void advance(uint32_t chunk, uint32_t& count) {
    count -= chunk;
    m_inPage += chunk;
    m_position += chunk;
  }

  uint32_t m_pageSize;
  std::vector<std::unique_ptr<uint8_t[]>> m_pages;
  uint64_t m_position = 0;
  uint64_t m_length = 0;
  size_t m_page = 0;      // the page of the position
  uint32_t m_inPage = 0;  // the position within it, up to the page size
};

// A stream object of its own, held by smart pointers.
using OdMemoryStream = OdMemoryStreamImpl<OdStreamBuf>;
