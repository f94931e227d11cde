#include "store/keyword_tables.h"

#include <cstdint>
#include <cstring>

const std::array<std::string_view, kOpKeyCount> OpKeyTable = {
    "FEIN", "BSPE", "FLOE", "FAEN", "FGEO", "AEND", "AKND", "BINF", "BKRT", "OTEX", "????"};

const std::array<std::string_view, kInfoNameCount> InfoNameTable = {
    "ULOBNN  ", "ULO8ALK ", "ULTANN  ", "ULPUNN  ", "DLOB2005", "DLOB2003", "ULOB210F", "ULTA1000",
    "DLOB2101", "DLOB0001", "DLTA0001", "DLOBJTNR", "DLTA1001", "DLPU0001", "DLPU0002", "DLPU0003",
    "DLPU0004", "DLPU0007", "DLPU2001", "DLPU3001", "DLPU4001", "DLPU5001", "DLPU6001", "DLPU6101",
    "DLPU7001", "ULOVEKDW", "ULOTEX  ", "ULQA0000", "ULODATUM", "IBENKRT ", "        ", "????????"};

const std::array<std::string_view, kPartTypeCount> PartTypeNameTable = {
    "ULOB0000",     "ULOB1000",     "ULOB1100",     "ULOB1110",     "ULOB1200",     "ULOB2000",
    "ULOB2100",     "ULOB2110",     "ULO11ALK",     "ULO20ALK",     "ULO21ALK",     "ULOB210F",
    "ULTA0000",     "ULTA1000",     "ULPU0000",     "ULPU1000",     "ULPU2000",     "ULPU3000",
    "ULPU4000",     "ULPU5000",     "ULPU6000",     "ULPU6100",     "ULPU7000",     "ULOVEK00",
    "ULODRE00",     "ULOTEX  ",     "ULQA0000",     "ULODATUM",     "IBENKRT ",     "SUCHKRIT",
    "ANFANG  ",     "WHF_ULOBNN  ", "WHF_ULOB0000", "WHF_ULOB100F", "WHF_ULOB1000", "WHF_ULOB110F",
    "WHF_ULOB1100", "WHF_ULOB1110", "WHF_ULOB1200", "WHF_ULOB200F", "WHF_ULOB2000", "WHF_ULOB210F",
    "WHF_ULOB2100", "WHF_ULOB2110", "WHF_ULO11ALK", "WHF_ULO20ALK", "WHF_ULO21ALK", "WHF_ULTANN  ",
    "WHF_ULTA0000", "WHF_ULTA1000", "WHF_ULPUNN  ", "WHF_ULPU0000", "WHF_ULPU1000", "WHF_ULPU2000",
    "WHF_ULPU3000", "WHF_ULPU4000", "WHF_ULPU5000", "WHF_ULPU600F", "WHF_ULPU6000", "WHF_ULPU6100",
    "WHF_ULPU7000", "WHF_ULOVEKDW", "WHF_ULOVEK00", "WHF_ULODRE00", "WHF_ULQA0000", "WHF_ULOTEX  ",
    "WHF_ULODATUM", "????????"};

const std::array<std::string_view, kDataKeyCount> DataKeyTable = {
    "DLOB0001", "DLOB0002", "DLOB0003", "DLOB2003", "DLOB2005", "DLOB2006", "DLOB2101",
    "DLOB2104", "DLTA0001", "DLTA0002", "DLTA0003", "DLTA0004", "DLTA1001", "DLOBJTNR",
    "DLPU0001", "DLPU0002", "DLPU0003", "DLPU0004", "DLPU0007", "DLPU2001", "DLPU3001",
    "DLPU4001", "DLPU5001", "DLPU6001", "DLPU6101", "DLPU7001", "????????"};

namespace {

// A key of up to eight characters as one number, so that a lookup compares numbers: the reader
// looks up the key and the name of every line.
std::uint64_t Packed(std::string_view key) {
  std::uint64_t v = 0;
  std::memcpy(&v, key.data(), key.size() < 8 ? key.size() : 8);
  return v;
}

template <std::size_t N>
std::array<std::uint64_t, N> PackedTable(const std::array<std::string_view, N>& table) {
  std::array<std::uint64_t, N> p{};
  for (std::size_t k = 0; k < N; ++k) p[k] = Packed(table[k]);
  return p;
}

// The position of `key` among the entries before the placeholder, or the placeholder's position.
// Every entry has the width of its field; a key of another width is none of them.
template <std::size_t N>
int Lookup(const std::array<std::string_view, N>& table, const std::array<std::uint64_t, N>& packed,
           std::string_view key) {
  if (key.size() != table[0].size()) return static_cast<int>(N - 1);
  const std::uint64_t v = Packed(key);
  for (std::size_t k = 0; k + 1 < N; ++k) {
    if (packed[k] == v) return static_cast<int>(k);
  }
  return static_cast<int>(N - 1);
}

}  // namespace

int LookupOpKey(std::string_view key) {
  static const auto packed = PackedTable(OpKeyTable);
  return Lookup(OpKeyTable, packed, key);
}
int LookupInfoName(std::string_view name) {
  static const auto packed = PackedTable(InfoNameTable);
  return Lookup(InfoNameTable, packed, name);
}
int LookupDataKey(std::string_view key) {
  static const auto packed = PackedTable(DataKeyTable);
  return Lookup(DataKeyTable, packed, key);
}

std::string_view PartTypeName(int type) {
  if (type < 0 || type >= kPartTypeCount) return PartTypeNameTable[kUnknownPartType];
  return PartTypeNameTable[type];
}
