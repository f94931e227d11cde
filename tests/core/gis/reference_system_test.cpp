// Reference systems: the Gauss-Krueger zone of a Rechtswert and the codes the user types.

#include <gtest/gtest.h>

#include "gis/reference_system.h"

TEST(ReferenceSystem, ZoneFromTheFirstDigitOfASevenDigitRechtswert) {
  EXPECT_EQ(gis::GaussKruegerEpsg(2500000.0), 31466);
  EXPECT_EQ(gis::GaussKruegerEpsg(5491035.197), 31469);
  EXPECT_EQ(gis::GaussKruegerEpsg(1999999.0), 0);
  EXPECT_EQ(gis::GaussKruegerEpsg(6000000.0), 0);
  // UTM with its zone in front has eight digits; a local system has fewer.
  EXPECT_EQ(gis::GaussKruegerEpsg(33491035.0), 0);
  EXPECT_EQ(gis::GaussKruegerEpsg(491035.0), 0);
  EXPECT_EQ(gis::GaussKruegerEpsg(-5491035.0), 0);
}

TEST(ReferenceSystem, UtmOfTheSameArea) {
  EXPECT_EQ(gis::EtrsUtmEpsg(31466), 25832);
  EXPECT_EQ(gis::EtrsUtmEpsg(31467), 25832);
  EXPECT_EQ(gis::EtrsUtmEpsg(31468), 25833);
  EXPECT_EQ(gis::EtrsUtmEpsg(31469), 25833);
  EXPECT_EQ(gis::EtrsUtmEpsg(25833), 0);
  EXPECT_EQ(gis::EtrsUtmEpsg(0), 0);
}

TEST(ReferenceSystem, CodesWithOrWithoutTheirAuthority) {
  EXPECT_EQ(gis::ParseEpsg("EPSG:31469"), 31469);
  EXPECT_EQ(gis::ParseEpsg(" epsg: 25833 "), 25833);
  EXPECT_EQ(gis::ParseEpsg("4326"), 4326);
  EXPECT_FALSE(gis::ParseEpsg(""));
  EXPECT_FALSE(gis::ParseEpsg("EPSG:"));
  EXPECT_FALSE(gis::ParseEpsg("EPSG:31469x"));
  EXPECT_FALSE(gis::ParseEpsg("-5"));
  EXPECT_FALSE(gis::ParseEpsg("0"));
  EXPECT_FALSE(gis::ParseEpsg("99999999999"));
}
