#include "records/ulob2100_part.h"

#include <array>

#include "records/filter_values.h"
#include "records/kind_texts.h"
#include "store/keyword_tables.h"
#include "platform/cp1252_literal.h"

namespace {

constexpr std::size_t kWidthUlob2100 = CUlob2100Part::Width(kPtUlob2100);

// One decoded piece of a key in the text field: label word and (position, length) in the text.
struct KeyPiece {
  std::string_view label;
  int pos;
  int len;
};

struct KeyLayout {
  std::string_view fachkennung;  // first two characters of the text
  int labelWidth;
  const KeyPiece* pieces;
  int count;
};

constexpr KeyPiece kHA[] = {{"Land:", 2, 2},     {"Regierungsbezirk:", 4, 1}, {"Kreis:", 5, 2},
                            {"Gemeinde:", 7, 3}, {"Strasse:", 10, 5},         {"Hausnummer:", 15, 4},
                            {"Adresszusatz:", 19, 4}, {"Laufende Nummer:", 23, 3}};
constexpr KeyPiece kGM[] = {{"Land:", 2, 2}, {"Gemarkung:", 4, 4}};
constexpr KeyPiece k0G[] = {{"Katasteramt:", 2, 2}, {"Gemeinde:", 4, 2}, {"Gemarkung:", 6, 2}};
constexpr KeyPiece kFL[] = {{"Land:", 2, 2}, {"Gemarkung:", 4, 4}, {"Flur:", 8, 3}};
constexpr KeyPiece k0F[] = {{"Katasteramt:", 2, 2}, {"Gemeinde:", 4, 2}, {"Gemarkung:", 6, 2}, {"Flur:", 8, 2}};
constexpr KeyPiece kFS[] = {{"Land:", 2, 2},
                            {"Gemarkung:", 4, 4},
                            {"Flur:", 8, 3},
                            {CP("Flurstücksnr. Zähler:"), 11, 5},
                            {CP("Flurstücksnr. Nenner:"), 16, 3},
                            {CP("Flurstück Folgenr:"), 19, 2}};
constexpr KeyPiece kFB[] = {{"Katasteramt:", 2, 2}, {"Gemeinde:", 4, 2},
                            {"Gemarkung:", 6, 2},   {"Flur:", 8, 2},
                            {CP("Flurstücksnr. Zähler:"), 10, 4}, {CP("Flurstücksnr. Nenner:"), 14, 3}};
constexpr KeyPiece kLA[] = {{"Gemeinde:", 2, 12}, {"Lagebezeichnung:", 14, 2}};
constexpr KeyPiece kPoint[] = {{"Numerierungsbezirk:", 2, 8}, {"Punktart:", 10, 1}, {"Punktnummer:", 11, 5}};
constexpr KeyPiece kSB[] = {{"Land:", 2, 2},     {"Regierungsbezirk:", 4, 1}, {"Kreis:", 5, 2},
                            {"Gemeinde:", 7, 3}, {"Gebiet-Nummer:", 10, 3},   {"Block-Nummer:", 13, 3}};
constexpr KeyPiece kSG[] = {{"Land:", 2, 2},     {"Regierungsbezirk:", 4, 1}, {"Kreis:", 5, 2},
                            {"Gemeinde:", 7, 3}, {"Gebiet-Nummer:", 10, 3}};
constexpr KeyPiece kBA[] = {{"Land:", 2, 2},    {"Regierungsbezirk:", 4, 1}, {"Kreis:", 5, 2},
                            {"Gemeinde:", 7, 3}, {"Tab-Ken:", 10, 1},         {"Strasse:", 11, 5},
                            {"Laufende Nummer:", 16, 4}};

template <std::size_t N>
constexpr KeyLayout Layout(std::string_view fachkennung, int labelWidth, const KeyPiece (&pieces)[N]) {
  return {fachkennung, labelWidth, pieces, static_cast<int>(N)};
}

// Keys of the object-name kinds, chosen by the Fachkennung.
constexpr std::array<KeyLayout, 12> kKeyLayouts = {{
    Layout("HA", 21, kHA),
    Layout("GM", 22, kGM),
    Layout("0G", 22, k0G),
    Layout("FL", 22, kFL),
    Layout("0F", 22, k0F),
    Layout("FS", 22, kFS),
    Layout("FB", 22, kFB),
    Layout("LA", 22, kLA),
    Layout("  ", 22, kPoint),
    Layout("SB", 22, kSB),
    Layout("SG", 22, kSG),
    Layout("BA", 22, kBA),
}};

bool InRange(std::string_view s, std::string_view from, std::string_view to) { return s >= from && s <= to; }

std::string_view TrimLeadingBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

long long FindDollar(std::string_view s) {
  const std::size_t at = s.find('$');
  return at == std::string_view::npos ? -1 : static_cast<long long>(at);
}

}  // namespace

CUlob2100Part::CUlob2100Part(int& error, int type, std::string& linkText) : CEdbsPart(type) {
  error = 0;
  const std::size_t width = Width(type);
  if (!ParseHasRoom(width)) {
    error = 100 + type;
    return;
  }
  m_infoKind.ReadAt(0);
  m_mapType.ReadAt(2);
  m_objectType.ReadAt(4);
  m_text.ReadAt(10);
  m_geometryKind.ReadAt(kGeometryKindAt);
  if (HasPartNumber()) m_partNumber.ReadAt(45);
  linkText = m_geometryKind.Str();
  g_parsePos += static_cast<std::int32_t>(width);
}

std::string CUlob2100Part::GetListText(int) const {
  std::string text;
  text.reserve(kWidthUlob2100);
  text += m_infoKind.View();
  text += m_mapType.View();
  text += m_objectType.View();
  text += m_text.View();
  text += m_geometryKind.View();
  if (HasPartNumber()) text += m_partNumber.View();
  return text;
}

int CUlob2100Part::FillDetail() const {
  auto& d = DetailTable;
  const std::string_view t = m_text.View();
  const std::string_view kind = m_infoKind.View();

  d.Set(0, PartTypeName(m_type), "Besondere Information", "");
  d.Set(1, "DLOB2101", "Art der besonderen Information:", kind);
  d.Set(2, "DLOB2102", "Kartentyp:", m_mapType.View());
  d.Set(3, "DLOB2103", "Objektart/Untergangsdatum:", m_objectType.View());
  d.Set(4, "DLOB2104", "Objektname:", t);
  d.Set(5, "DLOB2105", "Art der Geometrie:", GeometryKindName(m_geometryKind.View()));
  if (HasPartNumber()) {
    d.Set(6, "DLOB2106", "Objektteilnummer:", m_partNumber.View());
  } else {
    d.Set(6, "", "", "");
  }
  // The decoded rows below only set what they use; their tags and values start empty.
  for (int row = 7; row <= 14; ++row) {
    d.SetTag(row, "");
    d.SetValue(row, "");
  }

  auto row4 = [&](std::string_view label, std::string_view value) {
    d.SetLabel(4, label);
    d.SetValue(4, value);
  };

  if (InRange(kind, "11", "17")) return FillKeyRows();
  if (kind == "21") {
    row4("freie Beschriftung:", Left(t, 31));
  } else if (kind == "22") {
    row4(CP("Schlüssel der Strasse:"), Left(t, 17));
  } else if (kind == "23") {
    row4("freie Beschriftung:", Left(t, 17));
  } else if (kind == "24") {
    // Position and length of the addition stand in the text itself; a wrong pair must not reach
    // outside the text field.
    const long long pos = TextToInt(Left(t, 2));
    const long long count = TextToInt(Mid(t, 2, 2));
    row4("Schriftzusatz mit Position:", Mid(t, pos + 4, count));
  } else if (kind == "25") {
    row4("Standardschriftzusatz:", Left(t, 31));
  } else if (kind == "29") {
    row4(CP("Objekthöhe:"), Left(t, 31));
  } else if (kind == "31" || kind == "32") {
    row4("Objektausgestaltung:", "keine Belegung");
  } else if (kind == "41" || kind == "42") {
    const bool upper = kind == "41";
    d.SetLabel(0, upper ? CP("Information zum hierarchisch übergeordneten Objekt")
                        : "Information zum hierarchisch untergeordneten Objekt");
    d.SetLabel(2, upper ? CP("Objektnr. des übergeordneten Objekts:") : "Objektnr. des untergeordneten Objekts:");
    d.SetValue(2, Left(t, 10));
    return 2;
  } else if (kind == "44") {
    const std::string_view nameKind = Left(t, 2);
    std::string_view shown = nameKind;
    if (nameKind == "KN") shown = CP("KN (Straßenbezeichnung)");
    if (nameKind == "GN") shown = "GN (Geographischer Name)";
    if (nameKind == "ZN") shown = "ZN (Zweitname)";
    d.SetLabel(0, "Atkis-Namen");
    d.SetLabel(2, "Art des Namens:");
    d.SetValue(2, shown);
    d.SetLabel(3, "Namenstext:");
    d.SetValue(3, Mid(t, 2, 31));
    return 3;
  } else if (kind == "45") {
    d.SetLabel(0, "Matrixmerkamle");
    d.SetTag(7, "DLOB2107");
    d.SetLabel(2, CP("Auflösung der Zeilen:"));
    d.SetValue(2, Left(t, 3));
    d.SetLabel(3, CP("Auflösung der Spalten:"));
    d.SetValue(3, Mid(t, 3, 3));
    d.SetLabel(4, "Zahl der Zeilen:");
    d.SetValue(4, Mid(t, 6, 10));
    d.SetLabel(5, "Zahl der Spalten:");
    d.SetValue(5, Mid(t, 16, 10));
    d.SetLabel(6, "Datentyp der Matrixwerte:");
    d.SetValue(6, Mid(t, 26, 1));
    d.SetLabel(7, "Speicherform:");
    d.SetValue(7, Mid(t, 27, 1));
    return 7;
  } else if (kind == "46" || kind == "47") {
    const bool over = kind == "46";
    d.SetLabel(0, over ? CP("Information zur Überführung") : CP("Information zur Unterführung"));
    d.SetLabel(2, over ? CP("Objektnummer Überführung:") : CP("Objektnummer Unterführung:"));
    d.SetValue(2, Left(t, 7));
    d.SetLabel(3, over ? CP("Objektteilnummer Überführung:") : CP("Objektteilnummer Unterführung:"));
    d.SetValue(3, Mid(t, 7, 3));
    d.SetLabel(4, over ? CP("Objektnummer Unterführung:") : CP("Objektnummer Überführung:"));
    d.SetValue(4, Mid(t, 10, 7));
    d.SetLabel(5, over ? CP("Objektteilnummer Unterführung:") : CP("Objektteilnummer Überführung:"));
    d.SetValue(5, Mid(t, 17, 3));
    return 5;
  } else if (kind == "48") {
    d.SetLabel(0, CP("Objektteileintrag bei punktförmigen Objekten"));
    d.SetLabel(2, "Objektteilnummer:");
    d.SetValue(2, t);
    return 2;
  } else if (kind == "51" || kind == "52") {
    d.SetLabel(0, kind == "51" ? CP("DKM-Referenz vom weiteren Objekt zum ausgewählten DKM-Objekt")
                               : CP("DKM-Referenz vom ausgewählten DKM-Objekt zum weiteren Objekt"));
    d.SetLabel(2, "Objektnummer:");
    d.SetValue(2, Left(t, 7));
    d.SetLabel(3, "Objektteilnummer:");
    d.SetValue(3, Mid(t, 7, 3));
    return 3;
  } else if (kind == "53") {
    row4("DKM-Schriftzusatz/Eigenname:", Left(t, 31));
  } else if (kind == "61") {
    row4("Kartenrahmenausgestaltung:", Left(t, 31));
  } else if (kind == "62") {
    row4("Kartennetz:", "keine Belegung");
  } else if (kind == "63") {
    row4(CP("Flurübersicht:"), Left(t, 31));
  } else if (kind == "64") {
    row4(CP("Baublockübersicht:"), Left(t, 31));
  } else if (kind == "65") {
    row4("Kartenrandbeschriftung:", Left(t, 31));
  } else if (kind == "71") {
    d.SetLabel(4, "Nicht dargestellte Information:");
  } else if (kind == "80") {
    FillAin80Rows();
    return 9;
  } else if (kind == "99") {
    row4("historischer Objektname:", Mid(t, 2, 31));
  }
  return 6;
}

// Object names (kinds 11 to 17): the Fachkennung selects how the rest of the text splits into a
// key; each piece is one line "label padded to a fixed width" + characters.
int CUlob2100Part::FillKeyRows() const {
  const std::string_view t = m_text.View();
  const std::string_view fachkennung = Left(t, 2);
  for (const auto& layout : kKeyLayouts) {
    if (layout.fachkennung != fachkennung) continue;
    int row = 7;
    for (int i = 0; i < layout.count; ++i, ++row) {
      const KeyPiece& piece = layout.pieces[i];
      std::string line(piece.label);
      if (line.size() < static_cast<std::size_t>(layout.labelWidth)) line.resize(layout.labelWidth, ' ');
      line += Mid(t, piece.pos, piece.len);
      DetailTable.SetLabel(row, line);
    }
    return row - 1;
  }
  return 6;
}

// AIN80 attribute: one leading character, then name "$" data type character and value "$".
void CUlob2100Part::FillAin80Rows() const {
  auto& d = DetailTable;
  d.SetLabel(4, "AIN80-Attribut:");
  d.SetLabel(7, "Attributname:");
  d.SetLabel(8, "Datentyp:");
  d.SetLabel(9, "Attributwert:");
  std::string_view s = Mid(m_text.View(), 1, 30);
  const long long g = FindDollar(s);
  if (g > 0) d.SetValue(7, Left(s, g));
  s = Mid(s, g + 1, 29 - g);
  const long long h = FindDollar(s);
  d.SetValue(8, Left(s, 1));
  if (h > 0) d.SetValue(9, Mid(s, 1, h - 1));
}

int CUlob2100Part::MatchFilter(int criterion) const {
  switch (criterion) {
    case kCritObjArt:
      return RangeTest(TrimLeadingBlanks(m_objectType.View())) ? 1 : 0;
    case kCritObjArtOhneDarstellung:
      return TailRangeTest(TrimLeadingBlanks(m_objectType.View()), 3) ? 1 : 0;
    case kCritKartentyp:
      return RangeTest(m_mapType.View()) ? 1 : 0;
    case kCritArtGeom:
      return EqualityTest(m_geometryKind.View()) ? 1 : 0;
    case kCritArtBesInfo:
      return EqualityTest(m_infoKind.View()) ? 1 : 0;
    case kCritFachkennung: {
      // Only names carry a Fachkennung in their first two characters.
      const std::string_view kind = m_infoKind.View();
      if (!InRange(kind, "11", "19") && kind != "44") return 0;
      return EqualityTest(Left(m_text.View(), 2)) ? 1 : 0;
    }
    default:
      return 0;
  }
}

bool CUlob2100Part::AnswersFilter(int, int criterion) {
  switch (criterion) {
    case kCritObjArt:
    case kCritObjArtOhneDarstellung:
    case kCritKartentyp:
    case kCritArtGeom:
    case kCritArtBesInfo:
    case kCritFachkennung:
      return true;
    default:
      return false;
  }
}
