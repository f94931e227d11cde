#pragma once
// The EDBS vocabulary the program knows. Positions matter: records store them, checks test them.
// Each table ends with a placeholder of question marks that stands for "unknown".

#include <array>
#include <string_view>

inline constexpr int kOpKeyCount = 11;
inline constexpr int kInfoNameCount = 32;
inline constexpr int kPartTypeCount = 68;
inline constexpr int kDataKeyCount = 27;

inline constexpr int kUnknownOpKey = 10;
inline constexpr int kUnknownInfoName = 31;
inline constexpr int kUnknownPartType = 67;
inline constexpr int kUnknownDataKey = 26;

// Operation-key indexes the program tests for.
enum OpKey { kFEIN = 0, kBSPE, kFLOE, kFAEN, kFGEO, kAEND, kAKND, kBINF, kBKRT, kOTEX };

extern const std::array<std::string_view, kOpKeyCount> OpKeyTable;
extern const std::array<std::string_view, kInfoNameCount> InfoNameTable;
extern const std::array<std::string_view, kPartTypeCount> PartTypeNameTable;
extern const std::array<std::string_view, kDataKeyCount> DataKeyTable;

// Exact, case-sensitive lookups over the known entries; the placeholder is never matched.
int LookupOpKey(std::string_view key);       // 0..9, else 10
int LookupInfoName(std::string_view name);   // 0..30, else 31
int LookupDataKey(std::string_view key);     // 0..25, else 26

// Name of a part type code; codes outside the table give the placeholder.
std::string_view PartTypeName(int type);
