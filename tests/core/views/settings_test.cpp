#include "views/settings.h"

#include <gtest/gtest.h>

#include "platform/profile.h"
#include "views/view_state.h"

TEST(Settings, FreshInstallationDefaults) {
  edbs::MemoryProfile profile;
  g_settings.Gitternetz = true;
  g_settings.DetailMaxAnz = 7;
  LoadSettings(profile);
  EXPECT_FALSE(g_settings.Gitternetz);
  EXPECT_FALSE(g_settings.Gitterschrift);
  EXPECT_FALSE(g_settings.Gitterauto);
  EXPECT_FALSE(g_settings.DetailWhf);
  EXPECT_FALSE(g_settings.ListeWhf);
  EXPECT_FALSE(g_settings.DetailGrafik);
  EXPECT_DOUBLE_EQ(g_settings.Gitterabstand, 100.0);
  EXPECT_EQ(g_settings.DetailMaxAnz, 100);
  EXPECT_EQ(g_settings.ListeMaxAnz, 100);
  EXPECT_EQ(g_settings.Kurzform, 1);
}

TEST(Settings, SpacingIsStoredInMillimetres) {
  edbs::MemoryProfile profile;
  ResetSettings();
  g_settings.Gitterabstand = 12.5;
  g_settings.Gitternetz = true;
  g_settings.Kurzform = 0;
  g_settings.ListeMaxAnz = 250;
  SaveSettings(profile);
  EXPECT_EQ(profile.GetInt("Einstellungen", "Gitterabstand", 0), 12500);
  EXPECT_EQ(profile.GetInt("Einstellungen", "Gitternetz", 0), 1);
  ResetSettings();
  LoadSettings(profile);
  EXPECT_DOUBLE_EQ(g_settings.Gitterabstand, 12.5);
  EXPECT_TRUE(g_settings.Gitternetz);
  EXPECT_EQ(g_settings.Kurzform, 0);
  EXPECT_EQ(g_settings.ListeMaxAnz, 250);
}

TEST(Settings, AnyNonZeroValueIsOn) {
  edbs::MemoryProfile profile;
  profile.WriteInt("Einstellungen", "DetailWhf", 5);
  profile.WriteInt("Einstellungen", "Gitterauto", -1);
  LoadSettings(profile);
  EXPECT_TRUE(g_settings.DetailWhf);
  EXPECT_FALSE(g_settings.Gitterauto);
}

TEST(Settings, HugeSpacingIsKeptAtTheIntegerEdge) {
  edbs::MemoryProfile profile;
  ResetSettings();
  g_settings.Gitterabstand = 1e12;
  SaveSettings(profile);
  EXPECT_EQ(profile.GetInt("Einstellungen", "Gitterabstand", 0), 2147483647);
}

TEST(ViewState, EnteredScaleAndCentreHoldAtTheNextPaint) {
  ResetViewState();
  g_viewZoom = 3.0;
  g_viewScale = 0.75;  // the last paint: fitted scale 0.25 times the zoom
  g_viewCentreX = 1000;
  g_viewCentreY = 2000;
  ApplyViewScaleAndCentre(0.5, 1100, 1900);
  EXPECT_DOUBLE_EQ(0.25 * g_viewZoom, 2.0);
  EXPECT_DOUBLE_EQ(g_viewPanX, 100);
  EXPECT_DOUBLE_EQ(g_viewPanY, 100);
}

TEST(ViewState, ShownValuesAreCut) {
  ResetViewState();
  g_viewScale = 3.0;
  g_viewCentreX = 5491736.757;
  g_viewCentreY = -12.345;
  EXPECT_DOUBLE_EQ(ViewMetresPerPixel(), 33333 * 0.00001);
  EXPECT_NEAR(ViewCentreShownX(), 5491736.75, 1e-6);
  EXPECT_NEAR(ViewCentreShownY(), -12.34, 1e-9);
}
