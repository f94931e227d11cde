#pragma once
// The walk over one record's parts that a plan is made of. In EDBS the geometry of a line is
// spread over consecutive parts (start point, end point with its kind, support points), and a
// special information's text over its kind, its text field and its position points; the walk is
// a small state machine over them. It decides what is drawn and where each text stands; a sink
// decides how: the plan's drawing in pixels, or the GIS export's list of texts in metres. Both
// thus place the same texts at the same points.

#include <string>
#include <string_view>

// A point in the sink's units: pixel offsets from the plan's centre, Y upwards, for the drawing;
// Rechtswert and Hochwert in metres for the export.
struct PlanPoint {
  double x = 0;
  double y = 0;
};

class PlanSink {
 public:
  virtual ~PlanSink() = default;
  // A Rechtswert and Hochwert in the sink's units.
  virtual PlanPoint Map(double rechtswert, double hochwert) const = 0;
  virtual void MoveTo(const PlanPoint& p) = 0;
  virtual void LineTo(const PlanPoint& p) = 0;
  // A circular arc from s to e around m: kind "21" counter-clockwise, "22" clockwise.
  virtual void Arc(const PlanPoint& s, const PlanPoint& e, const PlanPoint& m, std::string_view kind) = 0;
  // `text` standing on `at`, turned by `angle` tenths of a degree counter-clockwise from the X
  // axis; `part` is the index of the part at which it is placed. False when it cannot be placed
  // now: it then stays pending for a later position point.
  virtual bool PlaceText(const PlanPoint& at, int angle, const std::string& text, int part) = 0;
};

// Walks record `record` of the store into `sink`; records other than FEIN and BSPE give nothing.
void WalkRecordGeometry(int record, PlanSink& sink);
