#pragma once
// What the GIS export reads from the record store: the lines of the object records with their
// line functions, the objects merged by object number, and the point records. Everything stays
// core text (Windows-1252) with trailing blanks removed.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "gis/gis_geometry.h"

namespace gis {

// Called now and then with the share done, 0 to 100.
using Progress = std::function<void(int percent)>;

// Where a feature comes from: the record's line number and its file as the export names it.
struct Origin {
  int line = 0;
  std::string file;
};

struct LineFunction {
  std::string layer;
  std::string objectKind;
  std::string objectRight;
  std::string objectLeft;
};

struct SourceLine {
  Polyline vertices;
  std::vector<LineFunction> functions;
  Origin origin;
  bool selected = true;  // the record belongs to what is exported
};

struct SourceObject {
  std::string layer;
  std::string objectKind;
  std::string currency;
  std::string objectType;
  std::string objectNumber;
  std::string creationDate;
  std::string parcelKey;  // parcels only: the key from their special information
  std::optional<Point2> anchor;  // start point (Grundrisskennzeichen) of its first record
  Origin origin;                 // its first record
  bool selected = false;         // one of its records belongs to what is exported
};

struct SourcePoint {
  std::string pointNumber;  // Numerierungsbezirk, Punktart and Punktnummer as one key
  std::string pointKind;
  std::string pointStatus;
  std::string currency;
  std::optional<Point2> position;
  Origin origin;
};

// A text as the plan places it: standing on its point, turned counter-clockwise from east.
struct SourceText {
  std::string text;
  Point2 position;
  double angle = 0.0;   // degrees
  double height = 0.0;  // metres, the plan's text height
  std::string layer;         // of the object whose special information it is,
  std::string objectKind;    // empty for a special information without object
  std::string objectNumber;
  Origin origin;
};

struct SourceData {
  std::vector<SourceLine> lines;      // every line of the FEIN and BSPE records
  std::vector<SourceObject> objects;  // one per object number, in the order first read
  std::vector<SourcePoint> points;    // point records of the exported records
  std::vector<SourceText> texts;      // texts the plan places for the exported records
};

// Object type of an area object, of a point object; the layer of the parcels.
inline constexpr char kAreaObjectType[] = "F";
inline constexpr char kPointObjectType[] = "P";
inline constexpr char kParcelLayer[] = "001";

// Reads the FEIN and BSPE records of g_store. The exported records are the filter set, or all
// records when none exists; lines of other records are read too (marked not selected), because
// an exported area object takes its boundary from every line that names it.
SourceData ReadStore(const Progress& progress = {});

// The first coordinate of the exported records (lines, positions, point records), which names
// the Gauss-Krueger zone; nothing when they hold none.
std::optional<Point2> FirstPoint();

// A point record coordinate: metres when the field holds a decimal point, else whole millimetres.
std::optional<double> PointRecordCoordinate(std::string_view field);

std::string TrimRight(std::string_view text);

}  // namespace gis
