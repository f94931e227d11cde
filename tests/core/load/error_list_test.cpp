// The error list as the dialog, the batch tool and a saved list show it.

#include "load/error_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/services.h"
#include "support/edbs_lines.h"

using namespace testing_edbs;

namespace {

class ErrorListOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgram();
    edbs::SetPrompt(&prompt);
  }
  void TearDown() override {
    edbs::SetPrompt(nullptr);
    ClearErrorList();
  }
  static std::string Read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }

  edbs::ScriptedPrompt prompt;
  TempDir dir;
};

}  // namespace

TEST_F(ErrorListOutput, NineDigitLineNumbersKeepKindAndDescriptionWhole) {
  ReportError(FormatAnalysisMessage(123456789, 42), "EDBS...");
  ReportError(FormatDroppedChainMessage(99999999, 3), "EDBS...");
  const ErrorListRow wide = GetErrorListRow(0);
  EXPECT_EQ(wide.line, "123456789");
  EXPECT_EQ(wide.kind, "Satzanalyse ");
  EXPECT_EQ(wide.description, "Analyse-Fehler 42!");
  const ErrorListRow eight = GetErrorListRow(1);
  EXPECT_EQ(eight.line, "99999999");
  EXPECT_EQ(eight.description, "Folgesatzkette ohne Endesatz verworfen (Zeilen: 3)!");
}

TEST_F(ErrorListOutput, LineZeroOfAnEmptyFileIsCutLikeAnyOther) {
  ReportError("       0AKND - AEND 1.Satz ist kein AKND-Satz!", "");
  EXPECT_EQ(ErrorListText(0), "       0\tAKND - AEND \t1.Satz ist kein AKND-Satz!\t");
}

TEST_F(ErrorListOutput, SavedListHasTheTitlesAndOneLinePerEntryInWindows1252) {
  ReportError("      12Zeilenl\xE4nge Zeilenl\xE4nge stimmt nicht! ( 0040 <=> 41 )", "EDBS G\xF6rlitz");
  ReportError("       7Folgesatz   Letzter Folgesatz nicht mit E!", "EDBS\tmit Tab");
  const std::string path = dir.Path("fehler.txt");
  ASSERT_TRUE(WriteErrorList(path));
  EXPECT_EQ(Read(path),
            "Zeile\tArt\tBeschreibung\tEDBS-Satz\r\n"
            "      12\tZeilenl\xE4nge \tZeilenl\xE4nge stimmt nicht! ( 0040 <=> 41 )\tEDBS G\xF6rlitz\r\n"
            "       7\tFolgesatz   \tLetzter Folgesatz nicht mit E!\tEDBS\tmit Tab\r\n");
  EXPECT_TRUE(prompt.messages.empty());
}

TEST_F(ErrorListOutput, SavingToAMissingFolderIsReportedAndWritesNothing) {
  ReportError("       7Folgesatz   Letzter Folgesatz nicht mit E!", "EDBS...");
  EXPECT_FALSE(WriteErrorList(dir.Path("fehlt/fehler.txt")));
  EXPECT_EQ(prompt.messages, std::vector<std::string>{"Datei kann nicht ge\xF6" "ffnet werden!"});
  EXPECT_FALSE(std::filesystem::exists(dir.Path("fehlt")));
}
