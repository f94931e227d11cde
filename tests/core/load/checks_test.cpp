#include "load/checks.h"

#include <gtest/gtest.h>

#include "store/text_arena.h"

#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

class Checks : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgram(); }

  // Runs all twelve checks over the given lines (numbered from 1), as a load does: each line is
  // followed by blanks up to 44 characters.
  void Run(const std::vector<std::string>& lines) {
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const std::string_view text = arena.Add(lines[k] + std::string(lines[k].size() < 44 ? 44 - lines[k].size() : 0, ' '));
      LineEntry e;
      e.chars = text.data();
      e.length = lines[k].size();
      e.lineNumber = static_cast<std::int32_t>(k + 1);
      table.push_back(e);
    }
    CLineChecks checks;
    for (std::size_t k = 0; k < table.size(); ++k) checks.Check(table[k], k + 1 == table.size());
    checks.Finish(dc);
  }
  std::vector<std::string> MessagesOf(const std::string& label) const {
    std::vector<std::string> out;
    for (const auto& m : g_errorMessages) {
      if (m.compare(8, label.size(), label) == 0) out.push_back(m);
    }
    return out;
  }

  // A data line whose body makes the line `length` characters long, with the length field given.
  static std::string Sized(const std::string& lengthField, std::size_t length) {
    std::string l = Line("FEIN", "ULOBNN  ", std::string(length - 36, '0'));
    l.replace(4, 4, lengthField);
    return l;
  }

  CTextArena arena;
  std::vector<LineEntry> table;
  edbs::RecordingCanvas dc;
};

std::string Akn() { return Line("AKND", "ULQA0000", ""); }
std::string Aen() { return Line("AEND", "        ", ""); }
std::string Data(char marker = ' ', const std::string& op = "FEIN", const std::string& info = "ULOBNN  ") {
  std::string l = Line(op, info, "0000");
  l[23] = marker;
  return l;
}

}  // namespace

TEST_F(Checks, LineLengthAgainstTheLengthField) {
  Run({Akn(), Sized("0040", 52), Sized("0040", 53), Aen()});
  EXPECT_EQ(MessagesOf("Zeilenl"),
            std::vector<std::string>{"       3Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0040 <=> 41 )"});
  EXPECT_EQ(g_checkCounts[1], 1);
  EXPECT_EQ(table[2].checkFlags & kBitLineLength, kBitLineLength);
  EXPECT_EQ(table[1].checkFlags, 0);
}

TEST_F(Checks, MaximumAndMinimumLengthCompareAsText) {
  Run({Akn(), Sized("2000", 60), Sized("0023", 60), Sized("00A0", 60), Aen()});
  EXPECT_EQ(MessagesOf("maxima"),
            std::vector<std::string>{"       2maxima.L\xE4ngeDie maximale L\xE4nge stimmt nicht 2000 >1988!"});
  EXPECT_EQ(MessagesOf("minima"),
            std::vector<std::string>{"       3minima.L\xE4ngeDie minimale L\xE4nge stimmt nicht 0023 <0024!"});
}

TEST_F(Checks, UnknownKeyAndName) {
  Run({Akn(), Data(' ', "akNd"), Data(' ', "FEIN", "ULOBNNxx"), Aen()});
  EXPECT_EQ(MessagesOf("Op.schl"),
            std::vector<std::string>{"       2Op.schl\xFCsselOperationsschl\xFCssel unbekannt! (akNd)"});
  EXPECT_EQ(MessagesOf("Informa"),
            std::vector<std::string>{"       3Informa.nameInformationsname unbekannt! (ULOBNNxx)"});
  EXPECT_EQ(table[1].opKeyIndex, 10);
  EXPECT_EQ(table[2].infoNameIndex, 31);
}

TEST_F(Checks, SearchCriterionBeginBeyondTheLength) {
  std::string l = Data();
  l.replace(8, 4, "0099");
  Run({Akn(), l, Aen()});
  EXPECT_EQ(MessagesOf("Beginn SK"),
            std::vector<std::string>{"       2Beginn SK   Beginn des Suchkriteriums (0099) gr\xF6\xDF" "er Zeilenl\xE4nge (0028)!"});
}

TEST_F(Checks, ContinuationMarkersInOrder) {
  Run({Akn(), Data('A'), Data('F'), Data('F'), Data('E'), Aen()});
  EXPECT_TRUE(MessagesOf("Folgesatz").empty());
}

TEST_F(Checks, ContinuationMarkerErrors) {
  Run({Akn(), Data('A'), Data('A'), Data(' '), Data('F'), Data('E'), Data('x'), Aen()});
  EXPECT_EQ(MessagesOf("Folgesatz"),
            (std::vector<std::string>{
                "       3Folgesatz   Neuer Anfang von Folgesatz (A) vor Ende des vorhergehenden (E)!",
                "       4Folgesatz   Letzter Folgesatz nicht mit E!",
                "       5Folgesatz   Fortsetzung des Folgesatzes (F) ohne Anfangssatz (A)!",
                "       7Folgesatz   <x> unzul\xE4ssiges Zeichen als Folgesatzkennung!",
            }));
  EXPECT_EQ(g_checkCounts[9], 4);
  EXPECT_EQ(g_checkCounts[10], 0);  // F and E compare with the last A line, whose key and name agree
}

TEST_F(Checks, EndWithoutStart) {
  Run({Akn(), Data('E'), Aen()});
  EXPECT_EQ(MessagesOf("Folgesatz").at(0), "       2Folgesatz   Endesatz des Folgesatzes (E) ohne Anfangssatz (A)!");
}

TEST_F(Checks, ContinuationLinesRepeatKeyAndName) {
  Run({Akn(), Data('A'), Data('F', "BSPE"), Data('E', "FEIN", "ULO8ALK "), Aen()});
  EXPECT_EQ(MessagesOf("Folgesatz"),
            (std::vector<std::string>{"       3Folgesatz   Operationsschl\xFCssel ungleich dem Anfangssatz!",
                                      "       4Folgesatz   Informationsname ungleich dem Anfangssatz!"}));
  EXPECT_EQ(table[2].checkFlags & kBitSameKeys, kBitSameKeys);
}

TEST_F(Checks, FirstAndLastRecordKinds) {
  Run({Data(' ', "BKRT"), Data(), Data()});
  EXPECT_EQ(MessagesOf("AKND - AEND"),
            (std::vector<std::string>{"       1AKND - AEND 1.Satz ist kein AKND-Satz!",
                                      "       3AKND - AEND Letzter Satz ist kein AEND-Satz!"}));
  EXPECT_EQ(g_errorRecords[0], table[0].Text());
}

TEST_F(Checks, ASingleEntryIsTestedTwice) {
  Run({Data()});
  EXPECT_EQ(MessagesOf("AKND - AEND").size(), 2u);
}

TEST_F(Checks, OrderOfRecordKindsReportsOnlyTheFirstTrailer) {
  Run({Akn(), Data(' ', "BKRT"), Data(), Data(), Data(' ', "BINF"), Data(' ', "OTEX"), Aen()});
  EXPECT_EQ(MessagesOf("Reihenfolge"),
            std::vector<std::string>{"       5Reihenfolge Datensatz vor letztem OTEX-, BKRT- oder BINF-Satz gefunden!"});
}

TEST_F(Checks, OrderHeaderOrEndInTheMiddle) {
  Run({Akn(), Akn(), Aen(), Aen()});
  EXPECT_EQ(MessagesOf("Reihenfolge"),
            (std::vector<std::string>{"       2Reihenfolge AKND-Satz mu\xDF 1.Satz sein!",
                                      "       3Reihenfolge AEND-Satz mu\xDF letzter Satz sein!"}));
}

TEST_F(Checks, NoEntriesLackBothOrderHeaderAndEndRecord) {
  Run({});
  EXPECT_EQ(g_errorMessages, (std::vector<std::string>{"       0AKND - AEND 1.Satz ist kein AKND-Satz!",
                                                       "       0AKND - AEND Letzter Satz ist kein AEND-Satz!"}));
  EXPECT_EQ(g_errorRecords, (std::vector<std::string>{"", ""}));
  EXPECT_EQ(g_checkCounts[11], 2);
  EXPECT_NE(dc.Log().find("line 55 325 65 335 pen 2 255,0,0"), std::string::npos);  // row 11 crossed
  for (int row : {1, 2, 3, 4, 5, 8, 9, 10, 12}) EXPECT_EQ(g_checkCounts[row], 0) << "row " << row;
}

TEST_F(Checks, RepetitionFactorRowsAlwaysShowAGreenTick) {
  Run({Akn(), Aen()});
  const std::string log = dc.Log();
  EXPECT_NE(log.find("text 70 250 font \"Arial\" 0 0 400 0 0 color 0,0,0 align lt bk o | 0\nline 55 255 58 260 pen 2 0,255,0"),
            std::string::npos);
  EXPECT_NE(log.find("| 0\nline 55 270 58 275 pen 2 0,255,0"), std::string::npos);
}

TEST_F(Checks, FindingsAreListedCheckByCheck) {
  Run({Data(' ', "BKRT"), Sized("0099", 60), Aen()});
  ASSERT_EQ(g_errorMessages.size(), 2u);
  EXPECT_EQ(g_errorMessages[0].substr(8, 12), "Zeilenl\xE4nge ");
  EXPECT_EQ(g_errorMessages[1].substr(8, 12), "AKND - AEND ");
}

TEST(ErrorList, AnalysisMessagesByCode) {
  EXPECT_EQ(FormatAnalysisMessage(7, 42), "       7Satzanalyse Analyse-Fehler 42!");
  EXPECT_EQ(FormatAnalysisMessage(7, 100), "       7Satzanalyse Analyse-Fehler 100 (Aggregat ULOB0000)!");
  EXPECT_EQ(FormatAnalysisMessage(7, 165), "       7Satzanalyse Analyse-Fehler 165 (Aggregat WHF_ULOTEX  )!");
  EXPECT_EQ(FormatAnalysisMessage(7, 204), "       7Satzanalyse Analyse-Fehler 204 (Suchkriterium DLOB2005)!");
  // "??)" would be a trigraph: the literal is split before the parenthesis.
  EXPECT_EQ(FormatAnalysisMessage(7, 226), "       7Satzanalyse Analyse-Fehler 226 (Suchkriterium ????????" ")!");
  EXPECT_EQ(FormatAnalysisMessage(7, 250),
            "       7Satzanalyse Analyse-Fehler 250 (unerwartetes Satzende bei Suchkriterium(AN))!");
  EXPECT_EQ(FormatAnalysisMessage(7, 251),
            "       7Satzanalyse Analyse-Fehler 251 (Verkn\xFCpfung ungleich AS oder AN bei Suchkriterium)!");
  EXPECT_EQ(FormatAnalysisMessage(7, 252),
            "       7Satzanalyse Analyse-Fehler 252 (unerwartetes Satzende bei Suchkriterium(EQ))!");
  EXPECT_EQ(FormatAnalysisMessage(7, 253),
            "       7Satzanalyse Analyse-Fehler 253 (Operator ungleich EQ bei Suchkriterium)!");
  EXPECT_EQ(FormatAnalysisMessage(7, 350), "       7Satzanalyse Analyse-Fehler 350 (WHF_ULPUNN  !=0001)!");
  EXPECT_EQ(FormatAnalysisMessage(7, 358), "       7Satzanalyse Analyse-Fehler 358 (WHF_ULPU6000!=0001)!");
}

TEST(ErrorList, CodesWithoutATextOfTheirOwnGetTheGenericMessage) {
  // 254..299 have no text; 170, 230 and 368 would name an entry beyond the end of their table.
  for (int code : {254, 299, 170, 230, 368, 398, 400}) {
    EXPECT_EQ(FormatAnalysisMessage(7, code), "       7Satzanalyse Analyse-Fehler " + std::to_string(code) + "!");
  }
}

TEST(ErrorList, DialogColumnsCutTheMessageAtFixedPositions) {
  ClearErrorList();
  ReportError("      12Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0040 <=> 41 )", "EDBS...");
  const ErrorListRow row = GetErrorListRow(0);
  EXPECT_EQ(row.line, "      12");
  EXPECT_EQ(row.kind, "Zeilenl\xE4nge ");
  EXPECT_EQ(row.description, "Zeilenl\xE4nge stimmt nicht! ( 0040 <=> 41 )");
  EXPECT_EQ(row.record, "EDBS...");
  ClearErrorList();
}
