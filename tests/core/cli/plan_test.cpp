// satzlupe-cli plan: one paint of the graphic as its drawing log or as a picture file, with the
// graphic's settings from the command line, without a display.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/recording_canvas.h"
#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/run_cli.h"
#include "support/object_records.h"
#include "views/graphic.h"

using namespace testing_edbs;

namespace {

// A small delivery: a square of 100 m with a diagonal and a street name on it.
std::string SmallDelivery() {
  return Join({Line("FEIN", "ULOBNN  ",
                    ObjectBody(Pt(1000, 2000), {{Pt(1100, 2000), "11"}, {Pt(1100, 2100), "11"}, {Pt(1000, 2100), "11"}})),
               Line("FEIN", "ULOBNN  ", ObjectBody(Pt(1000, 2000), {{Pt(1100, 2100), "11"}},
                                                   {{"21", "Am Markt", "11", {Pt(1010, 2010), Pt(1090, 2090)}}}))});
}

class Plan : public ::testing::Test {
 protected:
  void SetUp() override { m_file = m_dir.Write("plan.edbs", SmallDelivery()); }
  TempDir m_dir;
  std::string m_file;
};

}  // namespace

TEST_F(Plan, LogIsExactlyOnePaintOfTheWindow) {
  const CliResult r = RunCli("plan " + m_file + " --log");
  EXPECT_EQ(r.status, 0);
  ExpectGolden("cli/plan_log.txt", r.out);
  // The same as the graphic paints in a client area of 800 x 600 after opening the file.
  ResetProgram();
  Load(m_file);
  edbs::RecordingCanvas dc(800, 600);
  DrawGraphic(dc);
  EXPECT_EQ(r.out, dc.Log());
  ResetProgram();
}

TEST_F(Plan, OptionsSetSizeModeGridZoomPanAndTextHeight) {
  const CliResult r = RunCli("plan --size 400x300 --gitter --beschriftung --abstand 20 --zoom 2 --pan 10 5 "
                          "--texthoehe 2,5 " + m_file + " --log");
  EXPECT_EQ(r.status, 0) << r.err;
  ExpectGolden("cli/plan_options_log.txt", r.out);
  // Mode 0 without a filter set has nothing to show.
  EXPECT_EQ(RunCli("plan --modus 0 --gitter " + m_file + " --log").out, "");
}

TEST_F(Plan, AutomaticSpacingFollowsTheSize) {
  const CliResult wide = RunCli("plan --gitter --beschriftung --auto " + m_file + " --log");
  const CliResult narrow = RunCli("plan --size 300x200 --gitter --beschriftung --auto " + m_file + " --log");
  EXPECT_NE(wide.out.find("| 1020\n"), std::string::npos);    // 20 m at 6 pixels per metre
  EXPECT_NE(narrow.out.find("| 1100\n"), std::string::npos);  // 100 m at 2 pixels per metre
  EXPECT_EQ(narrow.out.find("| 1020\n"), std::string::npos);
}

TEST_F(Plan, ExtensionChoosesPngSvgOrPdf) {
  const CliResult png = RunCli("plan --size 640x480 " + m_file + " -o " + m_dir.Path("a.PNG"));
  ASSERT_EQ(png.status, 0) << png.err;
  const std::string p = ReadFile(m_dir.Path("a.PNG"));
  ASSERT_GT(p.size(), 24u);
  EXPECT_EQ(p.substr(0, 8), "\x89PNG\r\n\x1a\n");
  const auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(p[at]) << 24) | (static_cast<unsigned char>(p[at + 1]) << 16) |
           (static_cast<unsigned char>(p[at + 2]) << 8) | static_cast<unsigned char>(p[at + 3]);
  };
  EXPECT_EQ(be32(16), 640u);
  EXPECT_EQ(be32(20), 480u);

  ASSERT_EQ(RunCli("plan " + m_file + " -o " + m_dir.Path("a.svg")).status, 0);
  const std::string svg = ReadFile(m_dir.Path("a.svg"));
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("viewBox=\"0 0 800 600\""), std::string::npos);
  EXPECT_NE(svg.find("Am Markt"), std::string::npos);

  ASSERT_EQ(RunCli("plan " + m_file + " -o " + m_dir.Path("a.pdf")).status, 0);
  const std::string pdf = ReadFile(m_dir.Path("a.pdf"));
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("/MediaBox [0 0 600.000000 450.000000]"), std::string::npos);  // 800 x 600 pixels at 96 dpi
}

TEST_F(Plan, RunsWithoutADisplayAndWithoutWidgets) {
  const CliResult r = RunCli("plan " + m_file + " -o " + m_dir.Path("b.png"),
                             "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");  // Qt's notes on a bare session are not the tool's output
  EXPECT_TRUE(std::filesystem::exists(m_dir.Path("b.png")));
  // The libraries of the plan program, which the batch tool runs for `plan`, and of the batch tool:
  // only the plan takes Qt, and no widgets.
  const CliResult ldd = RunCli(std::string(SATZLUPE_PLAN), "ldd");
  if (ldd.status != 0) GTEST_SKIP() << "ldd fehlt";
  EXPECT_NE(ldd.out.find("libQt6Gui"), std::string::npos);
  EXPECT_EQ(ldd.out.find("libQt6Widgets"), std::string::npos);
  if (std::string(SATZLUPE_PLAN) != SATZLUPE_CLI) {
    EXPECT_EQ(RunCli(std::string(SATZLUPE_CLI), "ldd").out.find("libQt6"), std::string::npos);
  }
}

TEST_F(Plan, OutputThatCannotBeWrittenGivesTwoAndAMessage) {
  const CliResult r = RunCli("plan " + m_file + " -o " + m_dir.Path("fehlt/plan.png"));
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Datei kann nicht ge\xC3\xB6" "ffnet werden! " + m_dir.Path("fehlt/plan.png")), std::string::npos)
      << r.err;
}

TEST_F(Plan, ExistingPlanIsKeptWhenTheNewOneCannotBeWritten) {
  const std::string old = m_dir.Write("alt.png", "alter Plan");
  // An input that cannot be read still leaves a plan of the rest; a bad option writes nothing.
  EXPECT_EQ(RunCli("plan --zoom 0 " + m_file + " -o " + old).status, 2);
  EXPECT_EQ(ReadFile(old), "alter Plan");
}

TEST_F(Plan, FileThatCannotBeReadGivesTwoAndThePlanOfTheOthers) {
  const CliResult r = RunCli("plan " + m_dir.Path("fehlt.edbs") + " " + m_file + " --log");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("Datei nicht gefunden!"), std::string::npos) << r.err;
  EXPECT_EQ(r.out, RunCli("plan " + m_file + " --log").out);
}

TEST_F(Plan, BadCallsAreRefusedWithTheirReason) {
  const char* bad[] = {"--size 0x600", "--size 800", "--size 99999x10", "--modus 2", "--zoom -1", "--zoom x",
                       "--abstand 0", "--texthoehe 0", "--pan 1", "--unbekannt", "-o"};
  for (const char* args : bad) {
    const CliResult r = RunCli(std::string("plan ") + args + " " + m_file + " --log");
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.out, "") << args;
    EXPECT_NE(r.err.find("Aufruf: satzlupe-cli plan"), std::string::npos) << args;
  }
  EXPECT_EQ(RunCli("plan " + m_file).status, 2);                                        // neither -o nor --log
  EXPECT_EQ(RunCli("plan " + m_file + " --log -o " + m_dir.Path("c.png")).status, 2);  // both
  const CliResult format = RunCli("plan " + m_file + " -o " + m_dir.Path("plan.jpg"));
  EXPECT_EQ(format.status, 2);
  EXPECT_NE(format.err.find("plan.jpg: die Endung"), std::string::npos) << format.err;
  EXPECT_FALSE(std::filesystem::exists(m_dir.Path("plan.jpg")));
}
