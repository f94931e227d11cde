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

constexpr std::string_view kInfoKinds[] = {
    "11 (Objektnamen)",
    "12 (Objektnamen)",
    "13 (Objektnamen)",
    "14 (Objektnamen)",
    "15 (Objektnamen)",
    "16 (Objektnamen)",
    "17 (Objektnamen)",
    "18 (Objektnamen)",
    "19 (Objektnamen)",
    "21 (freie Beschriftung)",
    CP("22 (Schlüssel der Strasse)"),
    "23 (freie Beschriftung)",
    "24 (Schriftzusatz mit Position)",
    "25 (Standardschriftzusatz)",
    CP("29 (Objekthöhe)"),
    "31 (Objektausgestaltung)",
    "32 (Objektausgestaltung)",
    CP("41 (Information zum hierarchisch übergeordneten Objekt)"),
    "42 (Information zum hierarchisch untergeordneten Objekt)",
    "44 (Atkis-Namen (KN,GN,ZN))",
    "45 (Matrixmerkmale)",
    CP("46 (Information zur Überführung)"),
    CP("47 (Information zur Unterführung)"),
    CP("48 (Objektteileintrag bei punktförmigen Objekten)"),
    CP("51 (DKM-Referenz vom weiteren Objekt zum ausgewählten DKM-Objekt)"),
    CP("52 (DKM-Referenz vom ausgewählten DKM-Objekt zum weiteren Objekt)"),
    "53 (DKM-Schriftzusatz/Eigenname)",
    "61 (Kartenrahmenausgestaltung)",
    CP("63 (Flurübersicht)"),
    CP("64 (Baublockübersicht)"),
    "65 (Kartenrandbeschriftung)",
    "62 (Kartennetz)",
    "71 (Nicht dargestellte Information)",
    "80 (AIN80-Attribut)",
    "99 (historische Objektname)",
};

}  // namespace

std::vector<std::string_view> GeometryKindLines() {
  std::vector<std::string_view> lines;
  for (const auto& kind : kGeometryKinds) lines.push_back(kind.second);
  return lines;
}

std::vector<std::string_view> InfoKindLines() { return {std::begin(kInfoKinds), std::end(kInfoKinds)}; }

std::string GeometryKindText(std::string_view kind) { return std::string(GeometryKindName(kind)); }

std::string_view GeometryKindName(std::string_view kind) {
  for (const auto& [code, text] : kGeometryKinds) {
    if (kind == code) return text;
  }
  return kind;
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

bool IsFachkennungKind(std::string_view kind) {
  // Compared character by character: the kinds are two characters, and a byte-wise comparison of
  // strings would call the library for each of the many parts a filter or a statistic reads.
  const auto byte = [&kind](std::size_t k) { return static_cast<unsigned char>(kind[k]); };
  if (kind.size() >= 2 && byte(0) == '1' && byte(1) >= '1' && (byte(1) < '9' || (byte(1) == '9' && kind.size() == 2))) {
    return true;
  }
  return kind.size() == 2 && byte(0) == '4' && byte(1) == '4';
}
