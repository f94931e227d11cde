// satzlupe-cli gis as scripts use it: the counts per layer, the exit codes, the usage.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/run_cli.h"

using namespace testing_edbs;

namespace {

std::string GisFile(const std::string& name) { return std::string(SATZLUPE_TEST_DATA) + "/gis/" + name + ".edbs"; }

}  // namespace

TEST(CliGis, PrintsTheCountOfEveryLayer) {
  TempDir dir;
  const CliResult r = RunCli("gis -o " + dir.Path("a.gpkg") + " " + GisFile("hole") + " " + GisFile("square"));
  EXPECT_EQ(r.status, 0);
  const std::string head = "GIS-Export: " + dir.Path("a.gpkg") + "\n";
  ASSERT_EQ(r.out.rfind(head, 0), 0u) << r.out;
  ExpectGolden("cli/gis_hole_square.txt", r.out.substr(head.size()));
}

TEST(CliGis, FaultsGiveExitStatusOne) {
  TempDir dir;
  const CliResult r = RunCli("gis --crs EPSG:31468 --ziel-crs 25833 -o " + dir.Path("o.gpkg") + " " + GisFile("open"));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("Bezugssystem: EPSG:31468, umgerechnet in EPSG:25833\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("fehler           1\n"), std::string::npos) << r.out;
}

TEST(CliGis, FilterLimitsTheExportToTheFilterSet) {
  TempDir dir;
  const CliResult r = RunCli("gis --filter Obj.Nr.=A000009 -o " + dir.Path("f.gpkg") + " " + GisFile("shared"));
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("linien           4\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("flaechen         1 (1 Flurst\xC3\xBC" "cke, 0 andere Fl\xC3\xA4" "chen)\n"), std::string::npos) << r.out;
  const CliResult refused = RunCli("gis --filter Folie=1 -o " + dir.Path("g.gpkg") + " " + GisFile("shared"));
  EXPECT_EQ(refused.status, 3) << refused.err;
  EXPECT_FALSE(std::filesystem::exists(dir.Path("g.gpkg")));
}

TEST(CliGis, WrongCallsAndUnwritableOutputsGiveExitStatusTwo) {
  TempDir dir;
  const std::string usage = "Aufruf: satzlupe-cli gis [--crs EPSG:N] [--ziel-crs EPSG:N] [FILTER...] -o AUSGABE DATEI...\n";
  CliResult r = RunCli("gis " + GisFile("square"));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, usage);
  r = RunCli("gis --crs Gauss -o " + dir.Path("o.gpkg") + " " + GisFile("square"));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "--crs: kein EPSG-Code: Gauss\n" + usage);
  r = RunCli("gis -o " + dir.Path("o.kml") + " " + GisFile("square"));
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Unbekanntes Ausgabeformat: " + dir.Path("o.kml") + " (.gpkg, .geojson, .shp oder ein Ordner, .dxf)\n");
  r = RunCli("gis -o " + dir.Path("o.gpkg") + " " + dir.Path("fehlt.edbs"));
  EXPECT_EQ(r.status, 2);
}

TEST(CliGis, OnlyTheGisProgramTakesGdalIntoMemory) {
  // The batch tool runs the GIS program beside it: check, export and stats load none of GDAL's
  // libraries (some 30 MB of a batch run's memory).
  const std::string gis = std::string(SATZLUPE_CLI).substr(0, std::string(SATZLUPE_CLI).rfind('/') + 1) + "satzlupe-gis";
  if (!std::filesystem::exists(gis)) GTEST_SKIP() << "Der GIS-Export steht im Kommandozeilenwerkzeug selbst.";
  const CliResult ldd = RunCli(std::string(SATZLUPE_CLI), "ldd");
  if (ldd.status != 0) GTEST_SKIP() << "ldd fehlt";
  EXPECT_EQ(ldd.out.find("libgdal"), std::string::npos) << ldd.out;
  EXPECT_NE(RunCli(gis, "ldd").out.find("libgdal"), std::string::npos);
}
