// The batch tool as scripts use it: its exact output and exit codes.

#include <gtest/gtest.h>

#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/run_cli.h"

using namespace testing_edbs;

namespace {

std::string Otex(const std::string& text18) { return Line("BINF", "ULOTEX  ", "0001" + text18); }

const std::string kExample = std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs";

}  // namespace

TEST(Cli, CheckPrintsTheLoadResultInUtf8) {
  TempDir dir;
  const std::string path = dir.Write("a.edbs", Join({Line("AKND", "ULQA0000", "0001" + std::string(258, ' ')),
                                                     Line("FEIN", "ULOBNN  ", "0002"), Line("AEND", "        ", "")}));
  const CliResult r = RunCli("check " + path);
  EXPECT_EQ(r.status, 1);
  const std::string record = Line("FEIN", "ULOBNN  ", "0002") + std::string(4, ' ');
  EXPECT_EQ(r.out, "Datei: " + path + "\n" +
                       "3 Zeilen gelesen mit 377 Zeichen\n"
                       "3 EDBS-S\xC3\xA4tze mit 4 Aggregaten\n"
                       "0\tOK\tZeilenl\xC3\xA4ngen\n"
                       "0\tOK\tMaximall\xC3\xA4nge 1988\n"
                       "0\tOK\tMindestl\xC3\xA4nge 24\n"
                       "0\tOK\tOperationsschl\xC3\xBCssel\n"
                       "0\tOK\tInformationsnamen\n"
                       "0\tOK\tWiederholungsfaktor ULOBNN/ULO8ALK/ULTANN/ULPUNN\n"
                       "0\tOK\tWiederholungsfaktor ULOB0000/ULTA0000/ULPU0000\n"
                       "0\tOK\tBeginn des Suchkriteriums\n"
                       "0\tOK\tReihenfolge der Folgesatzkennungen\n"
                       "0\tOK\tFolges\xC3\xA4tze besitzen den gleichen 'OP' und 'IN'\n"
                       "0\tOK\tVorhandensein von AKND- und AEND-Satz\n"
                       "0\tOK\tReihenfolge der S\xC3\xA4tze AKND/BKRT/BINF/OTEX/.../AEND\n"
                       "1\tFEHLER\tAnalyse der Satzinhalte\n"
                       "\n"
                       "       2\tSatzanalyse \tAnalyse-Fehler 331 (WHF_ULOBNN  !=0001)!\t" + record + "\n");
}

TEST(Cli, CleanFileExitsWithZeroAndEachFurtherFileIsAdded) {
  TempDir dir;
  const std::string clean = Join({Line("AKND", "ULQA0000", "0001" + std::string(258, ' ')), Line("AEND", "        ", "")});
  const std::string a = dir.Write("a.edbs", clean);
  const std::string b = dir.Write("b.edbs", clean);
  const CliResult r = RunCli("check " + a + " " + b);
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Datei: " + a + "\n"), std::string::npos);
  EXPECT_NE(r.out.find("Datei: " + b + "\n"), std::string::npos);
}

TEST(Cli, MissingFileGivesTwoAndTheOthersAreStillChecked) {
  TempDir dir;
  const std::string a = dir.Write("a.edbs", Join({Otex("x                 ")}));
  const CliResult r = RunCli("check " + dir.Path("fehlt.edbs") + " " + a);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out.find("fehlt.edbs"), std::string::npos);
  EXPECT_NE(r.out.find("Datei: " + a), std::string::npos);
}

// An input without end is read up to the limit and checked, but a script must not take the
// check for one of the whole input.
TEST(Cli, AnInputThatNeverEndsGivesTwoAndIsStillChecked) {
  const CliResult r = RunCli("check /dev/zero");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Die Eingabe endet nicht oder ist l\xC3\xA4nger als 1073741824 Zeichen: Sie wurde nur bis "
                       "Zeile 1 gelesen! /dev/zero"),
            std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("Datei: /dev/zero"), std::string::npos);
}

TEST(Cli, LinesOfExactly2000CharactersAreCountedOnce) {
  TempDir dir;
  std::vector<std::string> lines;
  for (int k = 0; k < 5; ++k) lines.push_back(Line("FEIN", "ULXXNN  ", std::string(2000 - 36, 'x')));
  const CliResult r = RunCli("check " + dir.Write("a.edbs", Join(lines)));
  EXPECT_EQ(r.out.substr(r.out.find('\n') + 1, 10), "5 Zeilen g");
}

TEST(Cli, ExportWritesTheLongFormByDefault) {
  TempDir dir;
  const std::string in = dir.Write("a.edbs", Join({Otex("x                 ")}));
  EXPECT_EQ(RunCli("export -o " + dir.Path("lang.txt") + " " + in).status, 0);
  EXPECT_EQ(RunCli("export --kurz -o " + dir.Path("kurz.txt") + " " + in).status, 0);
  EXPECT_GT(std::filesystem::file_size(dir.Path("lang.txt")), std::filesystem::file_size(dir.Path("kurz.txt")));
  EXPECT_EQ(RunCli("export -o " + dir.Path("nicht/da.txt") + " " + in).status, 2);
}

TEST(Cli, HelpIsGermanAndEveryVerbGivesIt) {
  for (const char* call : {"--help", "check --help", "export -h", "plan --log --help", "stats --help"}) {
    const CliResult r = RunCli(call);
    EXPECT_EQ(r.status, 0) << call;
    EXPECT_NE(r.out.find("R\xC3\xBC" "ckgabewert"), std::string::npos) << call;
    EXPECT_EQ(r.err, "") << call;
  }
}

TEST(Cli, EmptyFileIsAFinding) {
  TempDir dir;
  const std::string path = dir.Write("leer.edbs", "");
  const CliResult r = RunCli("check " + path);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("2\tFEHLER\tVorhandensein von AKND- und AEND-Satz\n"), std::string::npos);
  EXPECT_NE(r.out.find("       0\tAKND - AEND \tLetzter Satz ist kein AEND-Satz!\t\n"), std::string::npos);
}

// The folder of the checkout is not part of the output: the golden file names it "examples".
std::string WithoutCheckoutFolder(std::string out) {
  const std::string folder = SATZLUPE_EXAMPLES;
  for (std::size_t at = out.find(folder); at != std::string::npos; at = out.find(folder, at)) {
    out.replace(at, folder.size(), "examples");
  }
  return out;
}

TEST(Cli, CheckOfTheExampleIsPinned) {
  const CliResult r = RunCli("check " + kExample);
  EXPECT_EQ(r.status, 1);
  ExpectGolden("cli/check_beispiel.txt", WithoutCheckoutFolder(r.out));
}

TEST(Cli, StatsPrintsEveryStatisticOfTheExampleAsTheListShowsIt) {
  const char* const names[] = {"saetze", "op", "info", "aggregate", "folien", "objektarten", "objektschluessel",
                               "artinfo", "artgeom", "fachkennungen", "extrem", "attribute", "whf"};
  std::string out;
  for (const char* name : names) {
    const CliResult r = RunCli(std::string("stats ") + name + " " + kExample);
    EXPECT_EQ(r.status, 0) << name;
    out += std::string("== ") + name + "\n" + r.out;
  }
  ExpectGolden("cli/stats_beispiel.txt", WithoutCheckoutFolder(out));
}

TEST(Cli, StatsRefusesAnUnknownNameAndReportsAMissingFile) {
  TempDir dir;
  const std::string a = dir.Write("a.edbs", Join({Otex("x                 ")}));
  EXPECT_EQ(RunCli("stats folie " + a).status, 2);
  EXPECT_TRUE(RunCli("stats folie " + a).out.empty());
  EXPECT_EQ(RunCli("stats op").status, 2);
  const CliResult missing = RunCli("stats op " + dir.Path("fehlt.edbs") + " " + a);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.out.find("      1\tBINF\n"), std::string::npos);  // the other file is counted
  const CliResult none = RunCli("stats op " + dir.Path("fehlt.edbs"));
  EXPECT_EQ(none.status, 2);
  EXPECT_TRUE(none.out.empty());
}
