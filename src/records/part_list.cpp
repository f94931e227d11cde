#include "records/part_list.h"

#include <algorithm>
#include <cstring>

#include "store/text_arena.h"

CPartList::CPartList(CTextArena& arena, std::string_view text, std::span<const PartPlacement> parts,
                     int infoNameIndex, bool textInArena)
    : m_textLength(static_cast<std::uint32_t>(text.size())) {
  m_text = textInArena ? text.data() : arena.Add(text).data();
  PartPlacements placements;
  for (const PartPlacement& p : parts) placements.push_back(p);
  Lay(arena, placements.Types(), placements.Offsets(), infoNameIndex);
}

CPartList::CPartList(CTextArena& arena, std::string_view text, const PartPlacements& parts, int infoNameIndex,
                     bool textInArena)
    : m_textLength(static_cast<std::uint32_t>(text.size())) {
  m_text = textInArena ? text.data() : arena.Add(text).data();
  Lay(arena, parts.Types(), parts.Offsets(), infoNameIndex);
}

void CPartList::Lay(CTextArena& arena, std::span<const std::uint8_t> types, std::span<const std::uint32_t> offsets,
                    int infoNameIndex) {
  m_count = static_cast<std::uint32_t>(types.size());
  if (types.empty()) return;
  const std::size_t n = types.size();
  std::uint8_t* typeTable;
  if (WideOffsets()) {
    auto* table = arena.Allocate<std::uint32_t>(n + (n + 4) / 4);
    std::memcpy(table, offsets.data(), n * sizeof(std::uint32_t));
    m_table = table;
    typeTable = reinterpret_cast<std::uint8_t*>(table + n);
  } else {
    auto* table = arena.Allocate<std::uint16_t>(n + (n + 2) / 2);
    std::transform(offsets.begin(), offsets.end(), table, [](std::uint32_t o) { return static_cast<std::uint16_t>(o); });
    m_table = table;
    typeTable = reinterpret_cast<std::uint8_t*>(table + n);
  }
  std::memcpy(typeTable, types.data(), n);
  typeTable[n] = static_cast<std::uint8_t>(infoNameIndex);
}
