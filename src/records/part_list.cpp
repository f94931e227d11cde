#include "records/part_list.h"

#include <cstring>

#include "store/text_arena.h"

CPartList::CPartList(CTextArena& arena, std::string_view text, std::span<const PartPlacement> parts,
                     int infoNameIndex, bool textInArena)
    : m_textLength(text.size()),
      m_count(static_cast<std::uint32_t>(parts.size())),
      m_infoNameIndex(static_cast<std::int8_t>(infoNameIndex)) {
  m_text = textInArena ? text.data() : arena.Add(text).data();
  if (parts.empty()) return;
  std::uint8_t* types;
  if (WideOffsets()) {
    auto* offsets = arena.Allocate<std::uint32_t>(parts.size() + (parts.size() + 3) / 4);
    for (std::size_t j = 0; j < parts.size(); ++j) offsets[j] = parts[j].offset;
    m_table = offsets;
    types = reinterpret_cast<std::uint8_t*>(offsets + parts.size());
  } else {
    auto* offsets = arena.Allocate<std::uint16_t>(parts.size() + (parts.size() + 1) / 2);
    for (std::size_t j = 0; j < parts.size(); ++j) offsets[j] = static_cast<std::uint16_t>(parts[j].offset);
    m_table = offsets;
    types = reinterpret_cast<std::uint8_t*>(offsets + parts.size());
  }
  for (std::size_t j = 0; j < parts.size(); ++j) types[j] = static_cast<std::uint8_t>(parts[j].type);
}
