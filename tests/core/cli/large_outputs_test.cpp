// The batch tool's outputs of whole deliveries, byte for byte: the check result and both export
// forms of the real ALK sample delivery and of generated deliveries with every record kind,
// continuation chains and faulty lines. The outputs are far too large to keep, and the sample's
// outputs must not be kept anyway, so the golden file holds their SHA-256 sums.

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/edbs_lines.h"
#include "support/golden.h"
#include "support/sample_delivery.h"

using namespace testing_edbs;

namespace {

std::string Sha256Of(const std::string& path) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) return "fehlt";
  QCryptographicHash hash(QCryptographicHash::Sha256);
  hash.addData(&f);
  return hash.result().toHex().toStdString();
}

// Runs the tool in `dir` (so that the outputs name the input as given) and returns the exit status.
int RunIn(const TempDir& dir, const std::string& args) {
  const std::string command = "cd '" + dir.Path("") + "' && '" + SATZLUPE_CLI + "' " + args + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// "name  sum" for the check output and both export forms of `file` in `dir`.
std::string OutputSums(const TempDir& dir, const std::string& file) {
  std::string sums;
  const auto add = [&](const std::string& what, int status, const std::string& output) {
    sums += what + "  " + std::to_string(status) + "  " + Sha256Of(dir.Path(output)) + "\n";
  };
  add("check", RunIn(dir, "check " + file + " > check.txt"), "check.txt");
  add("export --kurz", RunIn(dir, "export --kurz -o kurz.txt " + file), "kurz.txt");
  add("export --lang", RunIn(dir, "export --lang -o lang.txt " + file), "lang.txt");
  return sums;
}

}  // namespace

TEST(LargeOutputs, RealSampleDeliveryIsCheckedAndExportedByteForByteAsBefore) {
  if (!std::filesystem::exists(kSamplePacked)) GTEST_SKIP() << "Die ALK-Musterlieferung fehlt: " << kSamplePacked;
  TempDir dir;
  ASSERT_FALSE(UnpackSample(dir).empty());
  ExpectGolden("cli/sample_sha256.txt", OutputSums(dir, "ostritz.edbs"));
}

TEST(LargeOutputs, GeneratedDeliveriesAreCheckedAndExportedByteForByteAsBefore) {
  TempDir dir;
  // Every record kind with chains; the same with a finding on a third of the lines and CR LF;
  // and a finding on every line.
  const std::string kinds[][2] = {{"arten.edbs", "-s 1M --seed 7 --andere 10 --ketten 5"},
                                  {"fehler.edbs", "-s 1M --seed 8 --andere 10 --ketten 5 --fehler 30 --crlf"},
                                  {"alle_fehler.edbs", "-s 512K --seed 9 --fehler 100"}};
  std::string sums;
  for (const auto& [file, options] : kinds) {
    const std::string generate = std::string("'") + SATZLUPE_GENERATOR + "' " + options + " '" + dir.Path(file) + "'";
    ASSERT_EQ(std::system(generate.c_str()), 0) << generate;
    sums += "# " + file + ": edbs_generate " + options + "\n" + OutputSums(dir, file);
  }
  ExpectGolden("cli/generated_sha256.txt", sums);
}
