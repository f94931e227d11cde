#include "records/kind_texts.h"

#include <array>
#include <utility>
#include "platform/cp1252_literal.h"

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 15> kGeometryKinds{{
    {"11", "11 (Gerade)"},
    {"12", "12 (Geradenschar)"},
    {"15", "15 (Polygonzug)"},
    {"21", "21 (Kreisbogen, Kreismittelpunkt rechts vom Anfangspunkt)"},
    {"22", "22 (Kreisbogen, Kreismittelpunkt links vom Anfangspunkt)"},
    {"30", "30 (Klothoide oder andere Kurve)"},
    {"41", "41 (Spline)"},
    {"51", "51 (Einzelpunkt / Symbol in Standardausrichtung)"},
    {"52", CP("52 (Repräsentant für Punkthaufen / Symbol)")},
    {"53", "53 (Einzelpunkt / Symbol in besonderer Ausrichtung)"},
    {"61", "61 (Matrixwert)"},
    {"63", "63 (Matrixwert - Runlength)"},
    {"91", CP("91 (Flächendefinition)")},
    {"92", "92 (Linienkette)"},
    {"93", "93 (Linienschar)"},
}};

}  // namespace

std::string GeometryKindText(std::string_view kind) {
  for (const auto& [code, text] : kGeometryKinds) {
    if (kind == code) return std::string(text);
  }
  return std::string(kind);
}

std::string SplineKindText(char c) {
  switch (c) {
    case '1':
      return CP("1 (kein Stützpunkt im Kurvenauslauf)");
    case '2':
      return CP("2 (2 Stützpunkte im Kurvenauslauf des Anfangspunktes)");
    case '3':
      return CP("3 (2 Stützpunkte im Kurvenauslauf des Endpunktes)");
    case '4':
      return CP("4 (je 2 Stützpunkte im K. des Anfangs- und Endpunktes)");
    case '5':
      return "5 (geschlossene Kurve)";
    default:
      return std::string(1, c);
  }
}
