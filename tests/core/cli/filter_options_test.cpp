// The batch tool's filter options: which records each command line leaves in the filter set,
// the messages and exit codes, and the export of the filter set.

#include <gtest/gtest.h>

#include <fstream>

#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/run_cli.h"

using namespace testing_edbs;

namespace {

std::string LastLine(const std::string& out) {
  const std::size_t end = out.find_last_not_of('\n');
  if (end == std::string::npos) return {};
  const std::size_t start = out.rfind('\n', end);
  return out.substr(start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

const std::string kExample = std::string(SATZLUPE_EXAMPLES) + "/beispiel.edbs";

}  // namespace

// Each command line of the golden file: the filter options, then the count line (or the
// message on standard error) and the exit status.
TEST(CliFilter, FilterSetsOfTheExamplePinned) {
  const char* lines[] = {
      "--filter Folie=001",
      "--filter folie=001",
      "--filter 10=001",
      "--filter Folie=001 --filter Zeile=1-5",
      "--filter Folie=001 --oder --filter Zeile=1-5",
      "--filter Folie=001 --nicht --filter Zeile=5",
      "--nicht --filter Folie=001",
      "--filter Info.Name=ULOBNN,ULTANN",
      "--filter Info.Name=,,ULOBNN,",
      "--filter Info.Name=ULOB",
      "'--filter' 'Op.Schl\xC3\xBCssel=FEIN' --oder --filter 4=ULTANN",
      "'--filter' 'OP.SCHL\xC3\x9CSSEL=BINF'",
      "--filter Aggregat=ULOB2100,ULPU0000",
      "--filter Suchkrit.=DLOB2005",
      "--filter Obj.Typ=F",
      "--filter 'Art Geom.=11,15'",
      "--filter 'Art bes.Info.=44,13'",
      "--filter Fachkennung=KN,FS",
      "--filter Koordinate=5491790,5654600,5491700,5654650",
      "--filter Koordinate=5491700,5654600",
      "--filter Fehler=",
      "--filter Text=beispiel",
      "--filter Text+=beispiel",
      "--filter Obj.Art+=1301",
      "--filter Datei=00",
      "--filter Datei=01",
      "--filter Folie=1",
      "--filter Zeile=",
      "--filter Info.Name=",
      "--filter Zeile=1:2:3:4:5:6:7:8:9:10:11:12:13:14:15:16:17:18:19:20:21",
  };
  std::string out;
  for (const char* options : lines) {
    const CliResult r = RunCli(std::string("check ") + options + " " + kExample);
    out += std::string(options) + "\n" + (r.status == 3 ? r.err : LastLine(r.out) + "\n") +
           "Status " + std::to_string(r.status) + "\n\n";
  }
  ExpectGolden("cli/filter_counts.txt", out);
}

TEST(CliFilter, UnknownTabOrMissingValueIsAUsageError) {
  for (const char* options : {"--filter Gibtsnicht=1", "--filter Folie+=001", "--filter Folie", "--filter",
                              "--oder", "--filter 26=1"}) {
    const CliResult r = RunCli(std::string("check ") + options + " " + kExample);
    EXPECT_EQ(r.status, 2) << options;
    EXPECT_EQ(r.out, "") << options;  // nothing is loaded
    EXPECT_NE(r.err, "") << options;
  }
  EXPECT_EQ(RunCli("check --filter Folie=001").status, 2);  // no file
}

TEST(CliFilter, CheckWithoutFiltersPrintsNoCount) {
  const CliResult r = RunCli("check " + kExample);
  EXPECT_EQ(r.out.find("Filtermenge"), std::string::npos);
}

TEST(CliFilter, ExportWritesOnlyTheFilterSet) {
  TempDir dir;
  const CliResult all = RunCli("export --kurz -o " + dir.Path("alle.txt") + " " + kExample);
  const CliResult some = RunCli("export --kurz --filter Zeile=3:5 -o " + dir.Path("zwei.txt") + " " + kExample);
  ASSERT_EQ(all.status, 0);
  ASSERT_EQ(some.status, 0);
  std::ifstream in(dir.Path("zwei.txt"), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const std::string written = text.str();
  EXPECT_NE(written.find("Zeile:      3  -"), std::string::npos);
  EXPECT_NE(written.find("Zeile:      5  -"), std::string::npos);
  EXPECT_EQ(written.find("Zeile:      4  -"), std::string::npos);
  EXPECT_EQ(written.find("Zeile:      1  -"), std::string::npos);
}

TEST(CliFilter, ARefusedFilterWritesNoExport) {
  TempDir dir;
  const CliResult r = RunCli("export --filter Folie=1 -o " + dir.Path("aus.txt") + " " + kExample);
  EXPECT_EQ(r.status, 3);
  EXPECT_FALSE(std::ifstream(dir.Path("aus.txt")).good());
  EXPECT_EQ(r.err, "Das Argument an der Position 1 unterschreitet\ndie minimale Anzahl Zeichen (3) f\xC3\xBCr diese "
                   "Art von Argument!\nFilter nicht ausgef\xC3\xBChrt!\n");
}

TEST(CliFilter, StatsCountTheFilterSet) {
  const CliResult all = RunCli("stats op " + kExample);
  const CliResult some = RunCli("stats op --filter Folie=001 " + kExample);
  ASSERT_EQ(some.status, 0) << some.err;
  EXPECT_EQ(all.out.find("Nur gefilterte"), std::string::npos);
  EXPECT_EQ(some.out.rfind("Nur gefilterte S\xC3\xA4tze !", 0), 0u) << some.out;
  EXPECT_EQ(RunCli("stats op --filter Zeile=5-3-1 " + kExample).status, 3);
}

TEST(CliFilter, PlanDrawsTheFilterSetInRed) {
  const CliResult plain = RunCli("plan --log " + kExample);
  const CliResult red = RunCli("plan --log --filter Folie=001 " + kExample);
  ASSERT_EQ(red.status, 0) << red.err;
  EXPECT_EQ(plain.out.find("pen 1 255,0,0"), std::string::npos);
  EXPECT_NE(red.out.find("pen 1 255,0,0"), std::string::npos);
  EXPECT_EQ(RunCli("plan --log --filter Zeile=5-3-1 " + kExample).status, 3);
}
