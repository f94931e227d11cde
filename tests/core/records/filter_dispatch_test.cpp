// Which parts answer a criterion or a typed reader follows from the part classes. These tests pin
// the results on the example file (every part class appears there), so that deriving them from
// the classes changes no byte, and check that every class declares the criteria it answers.

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

#include "platform/text.h"
#include "records/part_classes.h"
#include "support/edbs_lines.h"
#include "support/golden.h"

using namespace testing_edbs;

namespace {

const std::string kAll(300, '\xff');  // above every text of the example

class FilterDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    Load(std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs");
    ASSERT_GE(g_store.GetRecordCount(), 20);
  }

  static void Args(const std::vector<std::pair<std::string, std::string>>& pairs) {
    ResetFilterValues();
    for (const auto& [from, to] : pairs) {
      g_filterFrom[g_filterArgCount] = from;
      g_filterTo[g_filterArgCount] = to;
      ++g_filterArgCount;
    }
  }

  // "code args: members" with one 0/1 per record, extending the empty set.
  static std::string Members(int criterion, const std::string& what) {
    g_store.ClearFilterSet();
    g_store.ApplyFilterCriterion(criterion, 0, 0);
    std::string line = std::to_string(criterion) + " " + what + ": ";
    for (int i = 0; i < g_store.GetRecordCount(); ++i) line += g_store.IsInFilterSet(i) ? '1' : '0';
    return line + "\n";
  }

  // Distinct values of a reader over all parts, each as a single-value argument.
  template <typename Read>
  static std::vector<std::pair<std::string, std::string>> Values(Read read) {
    std::set<std::string> values;
    for (int i = 0; i < g_store.GetRecordCount(); ++i) {
      for (int j = 0; j < g_store.GetPartCount(i); ++j) values.insert(read(i, j));
    }
    std::vector<std::pair<std::string, std::string>> args;
    for (const auto& v : values) {
      if (args.size() < static_cast<std::size_t>(kMaxFilterArgs)) args.emplace_back(v, v);
    }
    return args;
  }
};

}  // namespace

TEST_F(FilterDispatch, CriteriaOnTheExampleArePinned) {
  const int everyCriterion[] = {kCritDatei,       kCritZeile,        kCritSatzNr,     kCritOpSchluessel,
                                kCritInfoName,    kCritAggregat,     kCritSuchkrit,   kCritWhFaktor,
                                kCritKoordinate,  kCritNumBez,       kCritFolie,      kCritObjArt,
                                kCritObjTyp,      kCritObjNr,        kCritAktualitaet, kCritKartentyp,
                                kCritArtGeom,     kCritArtBesInfo,   kCritFachkennung, kCritAttribut,
                                kCritPktArt,      kCritPktStatus,    kCritPktNr,      kCritHlspStatus,
                                kCritText,        kCritFehler,       kCritObjArtOhneDarstellung,
                                kCritObjNrOhneDatenbank, kCritTextOhneGrossKlein};
  std::string out;
  for (int c : everyCriterion) {
    Args({{"", kAll}});
    g_coordWindow = {-1e12, -1e12, 1e12, 1e12};
    out += Members(c, "alles");
  }
  g_coordWindow = {5491700.0, 5654600.0, 5491790.0, 5654650.0};
  out += Members(kCritKoordinate, "Fenster");
  Args({{"WDM", "WDMz"}, {"BAW ", "BAW "}});
  out += Members(kCritAttribut, "WDM-WDMz,BAW");
  Args({{"00", "00"}, {"01", "01"}});
  out += Members(kCritDatei, "00,01");
  Args({{"3", "6"}, {"20", "22"}});
  out += Members(kCritZeile, "3-6,20-22");
  Args({{"FEIN", "FEIN"}, {"BINF", "BINF"}});
  out += Members(kCritOpSchluessel, "FEIN,BINF");
  Args({{"ULOBNN  ", ""}, {"ULOBNN", ""}});
  out += Members(kCritInfoName, "ULOBNN");
  Args({{"ULOB2100", ""}, {"ULPU0000", ""}});
  out += Members(kCritAggregat, "ULOB2100,ULPU0000");
  Args({{"DLOB2005", ""}, {"DLTA0001", ""}});
  out += Members(kCritSuchkrit, "DLOB2005,DLTA0001");
  Args({{"0002", "9999"}});
  out += Members(kCritWhFaktor, "0002-9999");
  Args({{"001", "001"}});
  out += Members(kCritFolie, "001");
  Args({{"0000", "2999"}});
  out += Members(kCritObjArt, "0000-2999");
  out += Members(kCritObjArtOhneDarstellung, "0000-2999");
  Args({{"F", ""}, {"L", ""}});
  out += Members(kCritObjTyp, "F,L");
  Args({{"A0004B1", "A0006D1"}});
  out += Members(kCritObjNr, "A0004B1-A0006D1");
  out += Members(kCritObjNrOhneDatenbank, "A0004B1-A0006D1");
  Args({{"K4", "K4"}});
  out += Members(kCritKartentyp, "K4");
  for (const auto& [code, name] : {std::pair{kCritArtGeom, "Art der Geometrie"}, {kCritArtBesInfo, "Art"}}) {
    for (const auto& v : code == kCritArtGeom ? Values([](int i, int j) { return g_store.GetGeometryKind(i, j); })
                                              : Values([](int i, int j) { return g_store.GetInfoKind(i, j); })) {
      Args({v});
      out += Members(code, std::string(name) + " " + v.first);
    }
  }
  for (const auto& v : Values([](int i, int j) { return std::string(Left(g_store.GetInfoText(i, j), 2)); })) {
    Args({v});
    out += Members(kCritFachkennung, "Fachkennung " + v.first);
  }
  Args({{"WDM", "WDM"}, {"BAW", "BAW"}});
  out += Members(kCritAttribut, "WDM,BAW");
  Args({{"Beispiel", ""}});
  out += Members(kCritText, "Beispiel");
  Args({{"beispiel", ""}});
  out += Members(kCritText, "beispiel");
  out += Members(kCritTextOhneGrossKlein, "beispiel");
  ExpectGolden("records/criteria_beispiel.txt", edbs::Cp1252ToUtf8(out));
}

TEST_F(FilterDispatch, TypedReadersOfTheExampleArePinned) {
  std::ostringstream out;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      double x = -1, y = -1;
      const int point = g_store.GetPoint(i, j, x, y);
      out << i << '.' << j << ' ' << g_store.GetPartTypeName(i, j) << " |" << g_store.GetLayer(i, j) << '|'
          << g_store.GetObjectType(i, j) << '|' << g_store.GetGeometryKind(i, j) << '|' << g_store.GetInfoKind(i, j)
          << '|' << g_store.GetInfoText(i, j) << '|' << g_store.GetAttribute(i, j) << '|'
          << g_store.GetRepeatCount(i, j) << '|' << g_store.GetDirectionAngle(i, j) << '|' << point << ' '
          << Format("%.3f %.3f", x, y) << '\n';
    }
  }
  ExpectGolden("records/readers_beispiel.txt", edbs::Cp1252ToUtf8(out.str()));
}

// A criterion a class answers but does not declare would never be asked of its parts.
TEST_F(FilterDispatch, EveryClassDeclaresTheCriteriaItAnswers) {
  Args({{"", kAll}});
  g_coordWindow = {-1e12, -1e12, 1e12, 1e12};
  std::set<int> seen;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    const CEdbsRecord& record = g_store.Record(i);
    for (const auto& part : record.m_parts) {
      seen.insert(part->m_type);
      for (const FilterCriterionInfo& c : kFilterTable) {
        const int answer = VisitPart(*part, [&c](const auto& p) { return p.MatchFilter(c.code); });
        if (answer == 1) {
          EXPECT_TRUE(PartTypeAnswersFilter(part->m_type, c.code))
              << PartTypeName(part->m_type) << " answers " << c.code << " undeclared";
        }
      }
    }
  }
  EXPECT_GE(seen.size(), 30u);
}
