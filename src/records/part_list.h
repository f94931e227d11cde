#pragma once
// The parts of a stored record, kept compactly: the record text once, and per part its type code
// and the position of its first character in that text. A part object of its class is built from
// these only while a part is asked something (VisitPart, part_classes.h), exactly as the parser's
// step built it; so ten million parts need no ten million heap objects.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>
#include <vector>

class CTextArena;

// Where the parser placed one part: its type code and its first character in the record text.
struct PartPlacement {
  std::int32_t type;
  std::uint32_t offset;
  bool operator==(const PartPlacement&) const = default;
};

// The placements of a record's parts as the parser writes them, ten million for a large delivery:
// type codes and offsets side by side, so that the part table is copied from them in two runs.
class PartPlacements {
 public:
  void clear() { m_count = 0; }
  std::size_t size() const { return m_count; }
  void push_back(PartPlacement p) {
    if (m_count == m_types.size()) Grow();
    m_types[m_count] = static_cast<std::uint8_t>(p.type);
    m_offsets[m_count] = p.offset;
    ++m_count;
  }
  std::span<const std::uint8_t> Types() const { return {m_types.data(), m_count}; }
  std::span<const std::uint32_t> Offsets() const { return {m_offsets.data(), m_count}; }

 private:
  void Grow() {
    const std::size_t n = m_types.empty() ? 256 : 2 * m_types.size();
    m_types.resize(n);
    m_offsets.resize(n);
  }

  std::vector<std::uint8_t> m_types;
  std::vector<std::uint32_t> m_offsets;
  std::size_t m_count = 0;
};

class CPartList;

// One part of a stored record as its list hands it out. It stands where the pointer to a part
// object stood: `*part` and `part->m_type` read as they did.
class CPartRef {
 public:
  CPartRef(const CPartList& list, std::uint32_t index);

  const CPartRef& operator*() const { return *this; }
  const CPartRef* operator->() const { return this; }

  const CPartList& List() const { return *m_list; }
  std::uint32_t Index() const { return m_index; }
  // The position of the part's first character in the record text.
  std::uint32_t Offset() const;

  std::int32_t m_type;

 private:
  const CPartList* m_list;
  std::uint32_t m_index;
};

class CPartList {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = CPartRef;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = CPartRef;
    Iterator() = default;
    Iterator(const CPartList* list, std::uint32_t index) : m_list(list), m_index(index) {}
    CPartRef operator*() const { return CPartRef(*m_list, m_index); }
    Iterator& operator++() {
      ++m_index;
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      ++m_index;
      return old;
    }
    bool operator==(const Iterator& o) const { return m_index == o.m_index; }

   private:
    const CPartList* m_list = nullptr;
    std::uint32_t m_index = 0;
  };

  CPartList() = default;
  // The record `text` and its parts. The text must lie in `arena` already (it is kept in place)
  // or it is copied into it; the part table is written into it. infoNameIndex is the record's
  // information-name index, which its search criterion keeps.
  CPartList(CTextArena& arena, std::string_view text, std::span<const PartPlacement> parts, int infoNameIndex,
            bool textInArena = false);
  CPartList(CTextArena& arena, std::string_view text, const PartPlacements& parts, int infoNameIndex,
            bool textInArena = false);

  std::string_view Text() const { return {m_text, m_textLength}; }
  std::size_t size() const { return m_count; }
  bool empty() const { return m_count == 0; }
  int Type(std::size_t j) const { return Types()[j]; }
  // The type codes of all parts, for a walk that looks at millions of them.
  std::span<const std::uint8_t> TypeCodes() const { return {Types(), m_count}; }
  std::uint32_t Offset(std::size_t j) const {
    return WideOffsets() ? static_cast<const std::uint32_t*>(m_table)[j] : static_cast<const std::uint16_t*>(m_table)[j];
  }
  CPartRef operator[](std::size_t j) const { return CPartRef(*this, static_cast<std::uint32_t>(j)); }
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, m_count); }
  // The record's information-name index, which its search criterion keeps (kept behind the types).
  int InfoNameIndex() const { return m_count == 0 ? 0 : static_cast<std::int8_t>(Types()[m_count]); }

 private:
  // Offsets take two bytes each in a record of up to 65535 characters, four in a longer one.
  bool WideOffsets() const { return m_textLength > 0xFFFF; }
  const std::uint8_t* Types() const {
    return static_cast<const std::uint8_t*>(m_table) + m_count * (WideOffsets() ? 4 : 2);
  }

  void Lay(CTextArena& arena, std::span<const std::uint8_t> types, std::span<const std::uint32_t> offsets,
           int infoNameIndex);

  // A large delivery has millions of records: the list takes 24 bytes. A record text is shorter
  // than 4 GiB (the parse cursor counts its characters in 32 bits).
  const char* m_text = nullptr;
  const void* m_table = nullptr;  // m_count offsets, m_count type codes, the information-name index
  std::uint32_t m_textLength = 0;
  std::uint32_t m_count = 0;
};

inline CPartRef::CPartRef(const CPartList& list, std::uint32_t index)
    : m_type(list.Type(index)), m_list(&list), m_index(index) {}

inline std::uint32_t CPartRef::Offset() const { return m_list->Offset(m_index); }
