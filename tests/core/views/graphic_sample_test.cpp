// The graphic of the real ALK sample delivery (Ostritz): fitted into the window as a whole, and
// zoomed into a street, where names, house and parcel numbers are placed.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/recording_canvas.h"
#include "support/edbs_lines.h"
#include "support/sample_delivery.h"
#include "views/graphic.h"
#include "views/settings.h"
#include "views/view_state.h"

using namespace testing_edbs;

namespace {

class SampleGraphic : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = new TempDir;
    s_path = UnpackSample(*s_dir);
  }
  static void TearDownTestSuite() {
    delete s_dir;
    s_dir = nullptr;
    ResetProgram();
  }
  void SetUp() override {
    if (s_path.empty()) GTEST_SKIP() << "Die ALK-Musterlieferung fehlt: " << kSamplePacked;
    ResetProgram();
    Load(s_path);
  }

  static std::vector<std::string> Paint() {
    edbs::RecordingCanvas dc(800, 600);
    DrawGraphic(dc);
    return dc.Lines();
  }

  static TempDir* s_dir;
  static std::string s_path;
};

TempDir* SampleGraphic::s_dir = nullptr;
std::string SampleGraphic::s_path;

}  // namespace

TEST_F(SampleGraphic, WholeDeliveryFitsTheWindowWithoutTexts) {
  const std::vector<std::string> lines = Paint();
  EXPECT_GT(lines.size(), 30000u);
  int left = 800, right = 0, top = 600, bottom = 0;
  for (const std::string& l : lines) {
    ASSERT_NE(l.rfind("text ", 0), 0u) << l;  // 5 m texts are below 2 pixels here
    int x1, y1, x2, y2;
    if (std::sscanf(l.c_str(), "line %d %d %d %d", &x1, &y1, &x2, &y2) != 4) {
      // An arc: its bounding box.
      ASSERT_EQ(std::sscanf(l.c_str(), "arc %d %d %d %d", &x1, &y1, &x2, &y2), 4) << l;
    }
    for (int x : {x1, x2}) left = std::min(left, x), right = std::max(right, x);
    for (int y : {y1, y2}) top = std::min(top, y), bottom = std::max(bottom, y);
  }
  // Every point lies inside, and the wider side spans the window.
  EXPECT_GE(left, 0);
  EXPECT_LE(right, 800);
  EXPECT_GE(top, 0);
  EXPECT_LE(bottom, 600);
  EXPECT_TRUE((left <= 1 && right >= 799) || (top <= 1 && bottom >= 599)) << left << " " << right << " " << top << " " << bottom;
}

TEST_F(SampleGraphic, StreetShowsItsNameAndItsHouseNumbers) {
  Paint();
  ApplyViewScaleAndCentre(0.4, 5495030, 5653890);  // Walther-Rathenau-Strasse, 2.5 pixels per metre
  const std::vector<std::string> lines = Paint();
  ASSERT_NEAR(g_viewScale, 2.5, 1e-9);
  int texts = 0, visible = 0;
  bool street = false, houseNumber = false;
  for (const std::string& l : lines) {
    if (l.rfind("text ", 0) != 0) continue;
    ++texts;
    int x, y, height;
    ASSERT_EQ(std::sscanf(l.c_str(), "text %d %d font \"Arial\" %d", &x, &y, &height), 3) << l;
    EXPECT_EQ(height, 12) << l;  // 5 m at 2.5 pixels per metre
    if (x < 0 || x > 800 || y < 0 || y > 600) continue;
    ++visible;
    street = street || l.find("| Walther-Rathenau-Stra\xC3\x9F" "e") != std::string::npos;
    houseNumber = houseNumber || l.ends_with("| 13");
  }
  EXPECT_GT(texts, 1000);  // every text of the delivery is placed, most of them outside
  EXPECT_GT(visible, 50);
  EXPECT_TRUE(street);
  EXPECT_TRUE(houseNumber);
}
