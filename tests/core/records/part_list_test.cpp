// The store keeps a record as its text with a table of its parts (type code and first character)
// and builds a part object only when a part is asked. These tests pin that the table reads back
// as written, that a stored part answers as the object the parser's step built, and that the
// handle stands where the pointer to a part object stood.

#include "records/part_list.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "records/part_classes.h"
#include "store/edbs_store.h"
#include "store/text_arena.h"
#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

std::vector<PartPlacement> ReadBack(const CPartList& list) {
  std::vector<PartPlacement> parts;
  for (const auto& part : list) parts.push_back({part->m_type, (*part).Offset()});
  return parts;
}

}  // namespace

void PrintTo(const PartPlacement& p, std::ostream* os) { *os << p.type << "@" << p.offset; }

TEST(PartList, TypesOffsetsAndNameReadBackInShortAndLongRecords) {
  CTextArena arena;
  const std::vector<PartPlacement> shortParts = {{kPtAnfang, 0}, {kPtFirstWhf, 36}, {kUnknownPartType, 65535}};
  const CPartList shortList(arena, std::string(65535, 'x'), shortParts, 7);
  EXPECT_EQ(ReadBack(shortList), shortParts);
  EXPECT_EQ(shortList.InfoNameIndex(), 7);
  // Beyond 65535 characters the offsets take four bytes.
  const std::vector<PartPlacement> longParts = {{kPtAnfang, 0}, {kPtUlob2110, 65536}, {kPtSuchkrit, 199999}};
  const CPartList longList(arena, std::string(200000, 'y'), longParts, kUnknownInfoName);
  EXPECT_EQ(ReadBack(longList), longParts);
  EXPECT_EQ(longList.InfoNameIndex(), kUnknownInfoName);
  EXPECT_EQ(longList.Text().size(), 200000u);
  EXPECT_TRUE(CPartList().empty());
}

TEST(PartList, AStoredPartAnswersAsTheObjectItsStepBuilt) {
  ResetProgram();
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  ASSERT_GT(g_store.GetRecordCount(), 10);
  // Records that end inside a repetition factor and inside an aggregate: the failing part read
  // nothing, and a factor that read nothing still shows its count.
  const std::string point = "54569154736757624820";
  g_store.AddRecord(Line("FEIN", "ULOBNN  ", "00010001" + point + "0" + "00"), 1, kFEIN, 0, 0, 0);
  g_store.AddRecord(Line("FEIN", "ULOBNN  ", "00010001" + point.substr(0, 15)), 2, kFEIN, 0, 0, 0);
  int compared = 0;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    const CEdbsRecord& record = g_store.Record(i);
    for (const CPartRef part : record.m_parts) {
      // The list text of the part object, read from the record, and where it lies in the text.
      int selector = -1;
      const std::string built = record.GetPartListText(static_cast<int>(part.Index()), selector);
      EXPECT_EQ(selector, part.m_type);
      if (const auto inPlace = ListTextInPlace(part)) {
        EXPECT_EQ(*inPlace, built) << "record " << i << ", part " << part.Index() << " " << PartTypeName(part.m_type);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 100);
}

TEST(PartList, AStoredLinePointAnswersAsTheObjectItsStepBuilt) {
  // The store reads line points where they lie; they must answer as the built part does, also
  // for a record that ends inside its start point and for a support point that holds the kind
  // of spline.
  ResetProgram();
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  const std::string point = "54569154736757624820";
  g_store.AddRecord(Line("FEIN", "ULOBNN  ", "00010001" + point.substr(0, 15)), 1, kFEIN, 0, 0, 0);
  std::map<std::pair<int, int>, int> seen;  // (type, answer) -> parts
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    const CPartList& parts = g_store.Record(i).m_parts;
    for (const CPartRef part : parts) {
      if (part.m_type != kPtUlob0000 && part.m_type != kPtUlob1000 && part.m_type != kPtUlob1200) continue;
      const auto built = VisitPart(part, [](const auto& p) {
        double x = 0, y = 0;
        int answer = 2;
        if constexpr (requires { p.GetPoint(x, y); }) answer = p.GetPoint(x, y);
        return std::tuple(answer, x, y);
      });
      double x = 0, y = 0;
      const int answer = g_store.GetPoint(i, static_cast<int>(part.Index()), x, y);
      EXPECT_EQ(std::tuple(answer, x, y), built) << "record " << i << ", part " << part.Index();
      ++seen[{part.m_type, answer}];
    }
  }
  EXPECT_GT((seen[{kPtUlob0000, 1}]), 0);
  EXPECT_GT((seen[{kPtUlob1000, 0}]), 20);
  EXPECT_GT((seen[{kPtUlob1200, 0}]), 0);
  EXPECT_GT((seen[{kPtUlob1200, 1}]), 0);
}

TEST(PartList, APointOfASpecialInformationIsReadWithTheKindOfItsOwner) {
  // ULOB2110 points are read by the kind of geometry of the special information before them: a
  // spline marker (41) gives no point, the same characters after a kind 51 are a point.
  ResetProgram();
  Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
  int points = 0, owners = 0;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    const CPartList& parts = g_store.Record(i).m_parts;
    std::string kind;
    for (const CPartRef part : parts) {
      if (part.m_type == kPtUlob2100 || part.m_type == kPtUlo21Alk) {
        kind = std::string(ReadPart<CUlob2100Part>(part).GetGeometryKind());
        ++owners;
      }
      if (part.m_type != kPtUlob2110) continue;
      EXPECT_EQ(OwnerGeometryKind(part), kind);
      ++points;
    }
  }
  EXPECT_GT(points, 3);
  EXPECT_GT(owners, 3);
}
