// The filter run: the argument line with its messages and positions, list selections, the
// coordinate window, the wildcard and padding rules, and refining, extending and negating.

#include "views/filter.h"

#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <vector>

#include "platform/cp1252_literal.h"
#include "platform/text.h"
#include "records/suchkriterium_part.h"
#include "store/edbs_record.h"
#include "support/edbs_lines.h"
#include "support/golden.h"

using namespace testing_edbs;

namespace {

const std::string kPoint = "54569154736757624820";

class Filter : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgram(); }

  static void Add(const std::string& line, int lineNumber = 1, int fileIndex = 0, int flags = 0) {
    const int op = LookupOpKey(std::string_view(line).substr(12, 4));
    const int in = LookupInfoName(std::string_view(line).substr(28, 8));
    g_store.AddRecord(line, lineNumber, op, in, fileIndex, flags);
  }
  static std::string ObjectFunction(const std::string& layer, const std::string& kind, const std::string& number) {
    return layer + kind + "01" "F" + number + "K4" "060508" " ";  // ULOB2000
  }
  // An object with one line (kind of geometry 11, with its line function) and its object function.
  static std::string Object(const std::string& layer, const std::string& kind, const std::string& number) {
    const std::string function = layer + kind + number + "Z9999Z9" "000000" "00";  // ULOB1100
    return Line("FEIN", "ULOBNN  ", "0001" "0001" + kPoint + "0" + "0001" "0001" + kPoint + "11" + "0001" "0001" +
                                        function + "0000" "0000" + "0001" "0001" + ObjectFunction(layer, kind, number) +
                                        "0000");
  }
  // An object without lines with one special information of the given kind and text.
  static std::string Info(const std::string& kind, const std::string& text) {
    std::string padded = text;
    padded.resize(33, ' ');
    return Line("FEIN", "ULOBNN  ", "0001" "0001" + kPoint + "0" + "0000" + "0001" "0001" +
                                        ObjectFunction("001", "2301", "A0003Y1") + "0001" "0001" + kind + "K4" +
                                        "  2301" + padded + "51" "000" + "0001" + kPoint);
  }

  static std::string Parse(const FilterCriterionInfo& tab, const std::string& line, FilterArguments& args) {
    args = FilterArguments{};
    args.from.fill(std::string(tab.defaultFrom));
    args.to.fill(std::string(tab.defaultTo));
    return ParseArgumentLine(tab, line, args).value_or("");
  }

  static std::string Members() {
    std::string m;
    for (int i = 0; i < g_store.GetRecordCount(); ++i) m += g_store.IsInFilterSet(i) ? '1' : '0';
    return m;
  }

  static std::optional<std::string> RunLine(int tab, const std::string& line, bool refine = false,
                                            bool negate = false, bool extra = false) {
    FilterRun run;
    run.tab = tab;
    run.argumentLine = line;
    run.refine = refine;
    run.negate = negate;
    run.extraTicked = extra;
    return RunFilter(run);
  }

  static std::optional<std::string> RunList(int tab, std::vector<std::string> lines, bool refine = false,
                                            bool negate = false) {
    FilterRun run;
    run.tab = tab;
    run.selectedLines = std::move(lines);
    run.refine = refine;
    run.negate = negate;
    return RunFilter(run);
  }
};

std::string Pairs(const FilterArguments& a) {
  std::string out;
  for (int k = 0; k < a.count; ++k) out += (k ? " " : "") + a.from[k] + "-" + a.to[k];
  return out;
}

}  // namespace

// ---- the argument line ----

TEST_F(Filter, LineOfSingleValuesAndRangesGivesOneArgumentEach) {
  FilterArguments a;
  EXPECT_EQ(Parse(FilterTabInfo(kCritZeile), "-50:77:86:99-100:300-", a), "");
  EXPECT_EQ(a.count, 5);
  EXPECT_EQ(Pairs(a), "0-50 77-77 86-86 99-100 300-99999999");
}

TEST_F(Filter, BlanksAreIgnoredAndEmptyArgumentsSkipped) {
  FilterArguments a;
  EXPECT_EQ(Parse(FilterTabInfo(kCritZeile), " 1 2:3 :: ", a), "");
  EXPECT_EQ(Pairs(a), "12-12 3-3");
  EXPECT_EQ(Parse(FilterTabInfo(kCritFolie), "-:", a), "");
  EXPECT_EQ(Pairs(a), "000-zzz");
}

TEST_F(Filter, EveryMessageWithItsPosition) {
  // Each line of the golden file: tab label, the line as typed, the message (or the arguments).
  struct Case {
    FilterCriterion tab;
    std::string line;
  };
  const Case cases[] = {
      {kCritSatzNr, "50"},          // too few characters, reported at the terminator
      {kCritSatzNr, "12-"},         // too few before the dash
      {kCritSatzNr, "000001-12"},   // too few after the dash
      {kCritSatzNr, "000001-"},     // upper bound left at its default
      {kCritZeile, "1--5"},         // multiple dash
      {kCritZeile, "1-2-3"},        // multiple dash in a later argument
      {kCritFolie, "1234"},         // too many characters
      {kCritFolie, "12 34"},        // too many, blanks still count as positions
      {kCritText, std::string(31, 'x')},  // more than thirty characters
      {kCritZeile, ""},             // empty line
      {kCritZeile, " : :: "},       // only empty arguments
      {kCritObjNr, "A?00050"},      // wildcard kept by the parser
      {kCritAttribut, "wdm:zbf:rkk"},
  };
  std::string out;
  for (const Case& c : cases) {
    FilterArguments a;
    const std::string message = Parse(FilterTabInfo(c.tab), c.line, a);
    out += std::string(FilterTabInfo(c.tab).label) + " [" + c.line + "]\n" +
           (message.empty() ? "OK " + Pairs(a) : message) + "\n\n";
  }
  ExpectGolden("views/filter_messages.txt", edbs::Cp1252ToUtf8(out));
}

TEST_F(Filter, TwentyArgumentsAreAcceptedATwentyFirstIsRefused) {
  std::string twenty;
  for (int k = 1; k <= 20; ++k) twenty += std::to_string(k) + ":";
  FilterArguments a;
  EXPECT_EQ(Parse(FilterTabInfo(kCritZeile), twenty, a), "");
  EXPECT_EQ(a.count, 20);
  EXPECT_EQ(a.from[19], "20");
  // The 21st argument is read but never stored: the twentieth stays as it was.
  EXPECT_EQ(Parse(FilterTabInfo(kCritZeile), twenty + "21-22", a), std::string(kFilterMsgTooManyArguments));
  EXPECT_EQ(a.from[19], "20");
  EXPECT_EQ(a.to[19], "20");
  // Its characters still count against the maximum.
  EXPECT_NE(Parse(FilterTabInfo(kCritZeile), twenty + "123456789", a).find("Position 59"), std::string::npos);
}

TEST_F(Filter, AMessageLeavesArgumentsAndSetUnchanged) {
  Add(Object("001", "2301", "A0003Y1"), 1);
  Add(Object("002", "2301", "A0004Y1"), 2);
  ASSERT_EQ(RunLine(kCritFolie, "001"), std::nullopt);
  ASSERT_EQ(Members(), "10");
  const auto from = g_filterFrom;
  std::string twentyOne;
  for (int k = 1; k <= 21; ++k) twentyOne += "002:";
  EXPECT_EQ(RunLine(kCritFolie, twentyOne), std::string(kFilterMsgTooManyArguments));
  EXPECT_EQ(RunLine(kCritFolie, "2"), std::string(CP("Das Argument an der Position 1 unterschreitet\ndie minimale "
                                                    "Anzahl Zeichen (3) für diese Art von Argument!\nFilter nicht "
                                                    "ausgeführt!")));
  EXPECT_EQ(RunList(kCritObjTyp, {}), std::string(kFilterMsgNoSelection));
  EXPECT_EQ(g_filterArgCount, 1);
  EXPECT_EQ(g_filterFrom, from);
  EXPECT_EQ(Members(), "10");
  EXPECT_EQ(g_filterCount, 1);
}

TEST_F(Filter, WildcardSpansTheWholeRangeInEveryBound) {
  Add(Object("001", "2301", "A300050"), 1);
  Add(Object("001", "2301", "A000050"), 2);
  Add(Object("001", "2301", "B000050"), 3);
  ASSERT_EQ(RunLine(kCritObjNr, "A?00050"), std::nullopt);
  EXPECT_EQ(g_filterFrom[0], "A 00050");
  EXPECT_EQ(g_filterTo[0], "Az00050");
  EXPECT_EQ(Members(), "110");
  // Bounds the line left at their defaults are treated too.
  ASSERT_EQ(RunLine(kCritFolie, "0?1"), std::nullopt);
  EXPECT_EQ(g_filterFrom[19], "000");
}

TEST_F(Filter, AttributeBoundsArePaddedToFourCharactersEverywhere) {
  ASSERT_EQ(RunLine(kCritAttribut, "wdm:zb-zbf"), std::nullopt);
  EXPECT_EQ(g_filterArgCount, 2);
  EXPECT_EQ(g_filterFrom[0], "wdm ");
  EXPECT_EQ(g_filterTo[0], "wdm ");
  EXPECT_EQ(g_filterFrom[1], "zb  ");
  EXPECT_EQ(g_filterTo[1], "zbf ");
  EXPECT_EQ(g_filterFrom[19], "0   ");
  EXPECT_EQ(g_filterTo[19], "zzzz");
  ASSERT_EQ(RunLine(kCritAttribut, "w?"), std::nullopt);
  EXPECT_EQ(g_filterFrom[0], "w   ");
  EXPECT_EQ(g_filterTo[0], "wz  ");
}

// ---- list selections and the coordinate window ----

TEST_F(Filter, ASelectedListLineIsASingleValue) {
  Add(Info("44", "KNname"), 1);
  Add(Info("45", "KNname"), 2);
  // With the upper bound left at "z", the range test of the search criterion would take "44" as
  // "44 to z"; a selection is one value.
  ASSERT_EQ(RunList(kCritArtBesInfo, {"44 (Atkis-Namen (KN,GN,ZN))"}), std::nullopt);
  EXPECT_EQ(g_filterFrom[0], "44");
  EXPECT_EQ(g_filterTo[0], "44");
  EXPECT_EQ(Members(), "10");
  CTextArena arena;
  const PartPlacement parts[] = {{kPtSuchkrit, 0}};
  CEdbsRecord criterion;
  criterion.m_parts = CPartList(arena, "ASDLOB2101EQ45", parts, 0);
  EXPECT_EQ(criterion.MatchFilter(kCritArtBesInfo), 0);
}

TEST_F(Filter, MoreThanTwentySelectedLinesAreRefused) {
  Add(Object("001", "2301", "A0003Y1"), 1);
  std::vector<std::string> lines(21, "FEIN");
  EXPECT_EQ(RunList(kCritOpSchluessel, lines), std::string(kFilterMsgTooManyArguments));
  EXPECT_EQ(g_filterCount, 0);
  lines.resize(20);
  EXPECT_EQ(RunList(kCritOpSchluessel, lines), std::nullopt);
  EXPECT_EQ(g_filterArgCount, 20);
  EXPECT_EQ(g_filterCount, 1);
}

TEST_F(Filter, ListValuesKeepTheirCodeOnly) {
  Add(Object("001", "2301", "A0003Y1"), 1, 3);
  ASSERT_EQ(RunList(kCritDatei, {"03 /daten/b.edbs"}), std::nullopt);
  EXPECT_EQ(g_filterFrom[0], "03");
  EXPECT_EQ(Members(), "1");
  g_store.ClearFilterSet();
  ASSERT_EQ(RunList(kCritObjTyp, {CP("L (Linienförmiges Objekt)")}), std::nullopt);
  EXPECT_EQ(g_filterFrom[0], "L");
  EXPECT_EQ(Members(), "0");
  ASSERT_EQ(RunList(kCritObjTyp, {CP("F (Flächenförmiges Objekt)")}), std::nullopt);
  EXPECT_EQ(Members(), "1");
  g_store.ClearFilterSet();
  ASSERT_EQ(RunList(kCritInfoName, {"ULOBNN  "}), std::nullopt);
  EXPECT_EQ(g_filterFrom[0], "ULOBNN  ");
  EXPECT_EQ(Members(), "1");
}

TEST_F(Filter, CoordinateFieldsAreReadAsCNumbersAndSwapped) {
  Add(Object("001", "2301", "A0003Y1"), 1);  // its points lie at 5491736.757 / 5654624.820
  FilterRun run;
  run.tab = kCritKoordinate;
  run.coordinates = {"5491800,5", "5654700", "5491700.5", "Rechtswert"};
  ASSERT_EQ(RunFilter(run), std::nullopt);
  EXPECT_EQ(g_coordWindow.xMin, 5491700.5);
  EXPECT_EQ(g_coordWindow.xMax, 5491800.0);  // "5491800,5" reads up to the comma
  EXPECT_EQ(g_coordWindow.yMin, 0.0);        // text that is no number reads as 0
  EXPECT_EQ(g_coordWindow.yMax, 5654700.0);
  EXPECT_EQ(Members(), "1");
  run.coordinates = {"1e3", "", "2e3", ""};
  run.refine = true;
  ASSERT_EQ(RunFilter(run), std::nullopt);
  EXPECT_EQ(Members(), "0");
}

TEST_F(Filter, TheListsOfTheTabs) {
  g_loadedFiles[0] = "/daten/a.edbs";
  g_loadedFiles[12] = "/daten/G\xC3\xB6rlitz.edbs";
  Add(Info("44", "KNname"), 1);
  Add(Info("13", "FSname"), 2);
  Add(Info("13", "FSzwei"), 3);
  Add(Info("21", "ABfrei"), 4);
  std::string out;
  for (int tab = 0; tab < kFilterTabCount; ++tab) {
    if (FilterTabInfo(tab).input != FilterInput::kList) continue;
    out += "== " + std::string(FilterTabInfo(tab).label) + "\n";
    for (const std::string& line : FilterListLines(tab)) out += line + "\n";
  }
  ExpectGolden("views/filter_lists.txt", edbs::Cp1252ToUtf8(out));
}

// ---- each criterion on records that match and that do not ----

TEST_F(Filter, TailCriteriaIgnoreTheFirstCharacter) {
  Add(Object("001", "2301", "A0003Y1"), 1);
  Add(Object("001", "3301", "B0004Y1"), 2);
  ASSERT_EQ(RunLine(kCritObjArt, "1301"), std::nullopt);
  EXPECT_EQ(Members(), "00");
  ASSERT_EQ(RunLine(kCritObjArt, "1301", false, false, true), std::nullopt);
  EXPECT_EQ(Members(), "11");
  g_store.ClearFilterSet();
  ASSERT_EQ(RunLine(kCritObjNr, "X0003Y1"), std::nullopt);
  EXPECT_EQ(Members(), "00");
  ASSERT_EQ(RunLine(kCritObjNr, "X0003Y1", false, false, true), std::nullopt);
  EXPECT_EQ(Members(), "10");
}

TEST_F(Filter, TextCriterionIgnoresCaseOnlyWithItsCheckbox) {
  Add(Line("BINF", "ULOTEX  ", std::string("0001") + CP("Straße am Markt   ")), 1);
  Add(Line("BINF", "ULOTEX  ", "0001STRASSE am Markt  "), 2);
  ASSERT_EQ(RunLine(kCritText, CP("straße")), std::nullopt);
  EXPECT_EQ(Members(), "00");
  ASSERT_EQ(RunLine(kCritText, CP("straße"), false, false, true), std::nullopt);
  EXPECT_EQ(Members(), "10");
  EXPECT_EQ(g_filterFrom[0], CP("STRAßE"));  // upper-cased in place: ß has no capital here
}

TEST_F(Filter, FaultyRecordsNeedNoArguments) {
  Add(Object("001", "2301", "A0003Y1"), 1, 0, 4);
  Add(Object("001", "2301", "A0003Y1"), 2);
  FilterRun run;
  run.tab = kCritFehler;
  ASSERT_EQ(RunFilter(run), std::nullopt);
  EXPECT_EQ(Members(), "10");
}

// ---- refine, extend and negate ----

TEST_F(Filter, RefineExtendAndNegateOnEmptyAndFilledSets) {
  for (int k = 1; k <= 4; ++k) Add(Object(k <= 2 ? "001" : "002", "2301", "A0003Y1"), k);
  ASSERT_EQ(RunLine(kCritFolie, "001", true), std::nullopt);  // refining the empty set
  EXPECT_EQ(Members(), "0000");
  ASSERT_EQ(RunLine(kCritFolie, "001", true, true), std::nullopt);  // also when negated
  EXPECT_EQ(Members(), "0000");
  ASSERT_EQ(RunLine(kCritZeile, "2:3"), std::nullopt);  // extending the empty set
  EXPECT_EQ(Members(), "0110");
  ASSERT_EQ(RunLine(kCritFolie, "001", true), std::nullopt);  // refining: and
  EXPECT_EQ(Members(), "0100");
  ASSERT_EQ(RunLine(kCritFolie, "001"), std::nullopt);  // extending: or
  EXPECT_EQ(Members(), "1100");
  ASSERT_EQ(RunLine(kCritZeile, "1", true, true), std::nullopt);  // refining by a negation: and not
  EXPECT_EQ(Members(), "0100");
  ASSERT_EQ(RunLine(kCritZeile, "2:3", false, true), std::nullopt);  // extending by a negation adds non-matches
  EXPECT_EQ(Members(), "1101");
  EXPECT_EQ(g_filterCount, 3);
  EXPECT_EQ(FilterCountText(), CP("3 Sätze"));
  g_store.ClearFilterSet();
  ASSERT_EQ(RunLine(kCritZeile, "9", false, true), std::nullopt);  // negated extend of the empty set
  EXPECT_EQ(Members(), "1111");
}

// ---- the table ----

TEST_F(Filter, CriteriaTableIsPinned) {
  const char* inputs[] = {"Liste", "Zeile", "Koordinaten", "keine"};
  const char* scopes[] = {"Satz", "ein Teil", "erster Teil", "Listentext"};
  std::string out;
  for (const FilterCriterionInfo& c : kFilterTable) {
    out += Format("%d\tReiter %d\t", c.code, c.tab) + std::string(c.label) + "\t" + std::string(c.heading) + "\t" +
           std::string(c.description) + "\t" + inputs[static_cast<int>(c.input)] +
           Format("\tListe %d/%d\tZeichen %d-%d\tAuff. %d\t", static_cast<int>(c.list), c.valueWidth, c.minChars,
                  c.maxChars, c.padWidth) +
           "[" + std::string(c.defaultFrom) + "]-[" + std::string(c.defaultTo) + "]\t" +
           std::string(c.checkboxLabel) + "\t" + scopes[static_cast<int>(c.scope)] + "\t";
    const auto& types = FilterPartTypes(c.code);
    for (int t = 0; t < kPartTypeCount; ++t) {
      if (types.test(static_cast<std::size_t>(t))) out += std::string(PartTypeName(t)) + ",";
    }
    out += "\n";
  }
  ExpectGolden("views/filter_criteria.txt", edbs::Cp1252ToUtf8(out));
  for (int tab = 0; tab < kFilterTabCount; ++tab) EXPECT_EQ(FilterTabInfo(tab).code, tab);
  EXPECT_EQ(FilterTabCode(kCritObjArt, true), kCritObjArtOhneDarstellung);
  EXPECT_EQ(FilterTabCode(kCritFolie, true), kCritFolie);
  EXPECT_EQ(FindFilterCriterion(99), nullptr);
}
