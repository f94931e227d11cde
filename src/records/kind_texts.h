#pragma once
// Names of the coded kinds that several part families show the same way.

#include <string>
#include <string_view>
#include <vector>

// Kinds of geometry ("Art der Geometrie") that drawing and export tell apart.
namespace geometry_kind {
inline constexpr std::string_view kStraight = "11";        // Gerade
inline constexpr std::string_view kLinePairs = "12";       // Geradenschar
inline constexpr std::string_view kPolygon = "15";         // Polygonzug
inline constexpr std::string_view kArcCentreRight = "21";  // Kreisbogen, counter-clockwise
inline constexpr std::string_view kArcCentreLeft = "22";   // Kreisbogen, clockwise
inline constexpr std::string_view kSpline = "41";          // Spline
inline constexpr std::string_view kSymbolUpright = "51";   // Einzelpunkt / Symbol in Standardausrichtung
inline constexpr std::string_view kSymbolTurned = "53";    // Einzelpunkt / Symbol in besonderer Ausrichtung
inline constexpr std::string_view kNone = "  ";            // no geometry of its own
}  // namespace geometry_kind

// Shown text of a kind of geometry ("Art der Geometrie"): the known two-character codes get
// their name, anything else is shown as read.
std::string GeometryKindText(std::string_view kind);
// The same as a view: of the name, or of `kind` itself.
std::string_view GeometryKindName(std::string_view kind);
// Shown text of a kind of spline, chosen by its one character; unknown characters as read.
std::string SplineKindText(char c);

// Kinds of special information whose text begins with a Fachkennung: "11" to "19" in byte order,
// and "44".
bool IsFachkennungKind(std::string_view kind);

// The kinds of geometry as a list offers them, "11 (Gerade)" ..., in code order.
std::vector<std::string_view> GeometryKindLines();
// The kinds of special information as a list offers them, "11 (Objektnamen)" ..., in list order.
std::vector<std::string_view> InfoKindLines();
