#include "gis/gis_schema.h"

#include <array>

namespace gis {
namespace {

using F = FieldId;

constexpr std::array<FieldDef, 19> kFields{{
    {F::kFolie, "folie", "folie", FieldType::kText, 3},
    {F::kObjektart, "objektart", "objektart", FieldType::kText, 4},
    {F::kObjekttyp, "objekttyp", "objekttyp", FieldType::kText, 1},
    {F::kObjektnummer, "objektnummer", "objektnr", FieldType::kText, 7},
    {F::kAktualitaet, "aktualitaet", "aktualit", FieldType::kText, 2},
    {F::kEntstehung, "entstehung", "entstehung", FieldType::kText, 6},
    {F::kObjektnummerRechts, "objektnummer_rechts", "objnr_re", FieldType::kText, 7},
    {F::kObjektnummerLinks, "objektnummer_links", "objnr_li", FieldType::kText, 7},
    {F::kFlurstueck, "flurstueck", "flurstueck", FieldType::kText, 33},
    {F::kPunktnummer, "punktnummer", "punktnr", FieldType::kText, 14},
    {F::kPunktart, "punktart", "punktart", FieldType::kText, 1},
    {F::kPunktstatus, "punktstatus", "punktstat", FieldType::kText, 1},
    {F::kText, "text", "text", FieldType::kText, 33},
    {F::kWinkel, "winkel", "winkel", FieldType::kReal, 0},
    {F::kHoehe, "hoehe", "hoehe", FieldType::kReal, 0},
    {F::kMeldung, "meldung", "meldung", FieldType::kText, 80},
    {F::kOffeneEnden, "offene_enden", "offen_end", FieldType::kText, 254},
    {F::kZeile, "zeile", "zeile", FieldType::kInteger, 0},
    {F::kDatei, "datei", "datei", FieldType::kText, 254},
}};

constexpr FieldId kLineFields[] = {F::kFolie, F::kObjektart, F::kObjektnummerRechts, F::kObjektnummerLinks, F::kZeile,
                                   F::kDatei};
constexpr FieldId kAreaFields[] = {F::kFolie,      F::kObjektart,  F::kObjekttyp, F::kObjektnummer, F::kAktualitaet,
                                   F::kEntstehung, F::kFlurstueck, F::kZeile,     F::kDatei};
constexpr FieldId kPointFields[] = {F::kPunktnummer, F::kPunktart,   F::kPunktstatus,  F::kFolie,
                                    F::kObjektart,   F::kObjekttyp,  F::kObjektnummer, F::kAktualitaet,
                                    F::kEntstehung,  F::kZeile,      F::kDatei};
constexpr FieldId kTextFields[] = {F::kText,      F::kWinkel,       F::kHoehe, F::kFolie,
                                   F::kObjektart, F::kObjektnummer, F::kZeile, F::kDatei};
constexpr FieldId kFaultFields[] = {F::kFolie,   F::kObjektart,   F::kObjekttyp, F::kObjektnummer,
                                    F::kMeldung, F::kOffeneEnden, F::kZeile,     F::kDatei};

constexpr std::array<LayerDef, kLayerCount> kLayers{{
    {LayerId::kLinien, "linien", GeometryType::kLineString, kLineFields},
    {LayerId::kFlaechen, "flaechen", GeometryType::kMultiPolygon, kAreaFields},
    {LayerId::kPunkte, "punkte", GeometryType::kPoint, kPointFields},
    {LayerId::kTexte, "texte", GeometryType::kPoint, kTextFields},
    {LayerId::kFehler, "fehler", GeometryType::kNone, kFaultFields},
}};

constexpr bool InIdOrder() {
  for (std::size_t k = 0; k < kFields.size(); ++k) {
    if (static_cast<std::size_t>(kFields[k].id) != k) return false;
  }
  for (std::size_t k = 0; k < kLayers.size(); ++k) {
    if (static_cast<std::size_t>(kLayers[k].id) != k) return false;
  }
  return true;
}
static_assert(InIdOrder(), "the tables are indexed by their ids");

}  // namespace

const FieldDef& FieldOf(FieldId id) { return kFields[static_cast<std::size_t>(id)]; }
std::span<const LayerDef> Layers() { return kLayers; }
const LayerDef& LayerOf(LayerId id) { return kLayers[static_cast<std::size_t>(id)]; }

}  // namespace gis
