#include "views/detail_drawing.h"

#include <algorithm>
#include <string>

#include "platform/canvas.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/detail_pages.h"
#include "views/geometry_drawing.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace {

using edbs::SolidPen;

constexpr edbs::Color kWhite{255, 255, 255};
constexpr edbs::Color kBlack{0, 0, 0};
constexpr edbs::Color kTitleGreen{0, 192, 0};
constexpr edbs::Color kTagBlue{0, 0, 240};
constexpr edbs::Color kLabelBlue{0, 0, 128};
constexpr edbs::Color kMessageRed{255, 0, 0};
constexpr edbs::Color kExtentRed{191, 63, 63};
constexpr edbs::Color kSurroundingGrey{127, 127, 127};
constexpr edbs::Color kArrowBlue{0, 0, 255};
constexpr edbs::Color kRecordRed{255, 63, 63};

constexpr int kBold = 700;
constexpr int kThin = 100;

// The part text: columns of tag, label and value, the title row's top and the rows' spacing.
constexpr int kTagX = 10;
constexpr int kLabelX = 100;
constexpr int kValueX = 300;
constexpr int kTitleY = 10;
constexpr int kRowStep = 14;
constexpr int kRowTop = 20;

// The record graphic: the record fits a square of this many pixels around the screen centre;
// its extent is widened by a margin in metres, so that a single point has a scale too.
constexpr int kGraphicCentreX = 250;
constexpr int kGraphicCentreY = 350;
constexpr double kGraphicFit = 300.0;
constexpr double kExtentMargin = 10.0;
constexpr double kNoExtent = 9999999.999;
constexpr double kExtentFound = 9999999.998;
// Texts of the geometry stand this many metres high in the record graphic.
constexpr double kGraphicTextHeight = 3.0;
// The zoom buttons stop here, long after the drawing has left any useful size.
constexpr double kMinZoom = 1.0 / 1048576;
constexpr double kMaxZoom = 1048576.0;

// The part diagram: one box per drawn part, a counter beside a run of special-information points.
constexpr int kBoxMargin = 3;
constexpr int kDiagramRowStep = 12;
constexpr int kCounterGap = 60;

edbs::Font ArialFont(int height, int weight, bool italic) {
  edbs::Font f;
  f.face = "Arial";
  f.height = height;
  f.weight = weight;
  f.italic = italic;
  return f;
}

// Writes `text` at (x, y) moved by the drawing's offsets; empty texts draw nothing.
class ShiftedText {
 public:
  ShiftedText(edbs::Canvas& dc, const DetailDrawState& s) : m_dc(dc), m_s(s) {}
  void Out(int x, int y, const std::string& text) {
    if (!text.empty()) m_dc.TextOut(x - m_s.dx, y - m_s.dy, text);
  }

 private:
  edbs::Canvas& m_dc;
  const DetailDrawState& m_s;
};

// ---- part text ----

void DrawPartText(edbs::Canvas& dc, const DetailDrawState& s) {
  ShiftedText out(dc, s);
  int n = g_store.FillPartDetail(g_detailRecord, g_detailPart);
  if (n < 0) {
    dc.SelectFont(ArialFont(18, kBold, true));
    dc.SetTextColor(kMessageRed);
    out.Out(0, 0, "Unbekannter (nicht implementierter) oder fehlerhafter Satz!");
    return;
  }
  n = std::min(n, CDetailTable::kRows - 1);
  dc.SetTextColor(kTitleGreen);
  dc.SelectFont(ArialFont(18, kBold, true));
  out.Out(kTagX, kTitleY, DetailTable.Tag(0));
  dc.SelectFont(ArialFont(18, kBold, false));
  out.Out(kLabelX, kTitleY, DetailTable.Label(0));
  const edbs::Font tagFont = ArialFont(14, kThin, true);
  const edbs::Font textFont = ArialFont(14, kThin, false);
  for (int k = 1; k <= n; ++k) {
    const int y = kRowStep * k + kRowTop;
    dc.SelectFont(tagFont);
    dc.SetTextColor(kTagBlue);
    out.Out(kTagX, y, DetailTable.Tag(k));
    dc.SelectFont(textFont);
    dc.SetTextColor(kLabelBlue);
    out.Out(kLabelX, y, DetailTable.Label(k));
    dc.SetTextColor(kBlack);
    out.Out(kValueX, y, DetailTable.Value(k));
  }
}

// ---- record graphic ----

struct Extent {
  double xMin = kNoExtent, yMin = kNoExtent;
  double xMax = -kNoExtent, yMax = -kNoExtent;
  bool Found() const { return xMin < kExtentFound; }
};

bool IsPointType(int type) {
  return type == kPtUlob0000 || type == kPtUlob1000 || type == kPtUlob1200 || type == kPtUlob2110;
}

Extent RecordExtent(int record) {
  Extent e;
  const int opKey = g_store.GetOpKeyIndex(record);
  if (opKey != kFEIN && opKey != kBSPE) return e;
  const int parts = g_store.GetPartCount(record);
  for (int j = 0; j < parts; ++j) {
    double x = 0, y = 0;
    if (!IsPointType(g_store.GetPartType(record, j)) || g_store.GetPoint(record, j, x, y) != 0) continue;
    e.xMin = std::min(e.xMin, x);
    e.yMin = std::min(e.yMin, y);
    e.xMax = std::max(e.xMax, x);
    e.yMax = std::max(e.yMax, y);
  }
  return e;
}

void DrawExtentLabels(edbs::Canvas& dc, const DetailDrawState& s, const Extent& e) {
  ShiftedText out(dc, s);
  dc.SetTextColor(kExtentRed);
  out.Out(0, 600, Format("Rechts: %11.3f", e.xMin));
  out.Out(450, 620, Format("Hoch:    %11.3f", e.yMin));
  out.Out(450, 600, Format("Rechts: %11.3f", e.xMax));
  out.Out(450, 100, Format("Hoch:    %11.3f", e.yMax));
  dc.SetTextColor(kBlack);
}

// A closed triangle outline.
void Triangle(edbs::Canvas& dc, int x1, int y1, int x2, int y2, int x3, int y3) {
  dc.MoveTo(x1, y1);
  dc.LineTo(x2, y2);
  dc.LineTo(x3, y3);
  dc.LineTo(x1, y1);
}

// Arrows at fixed places point to where the drawing has been moved from view.
void DrawScrollArrows(edbs::Canvas& dc, const DetailDrawState& s) {
  dc.SelectPen(SolidPen(kArrowBlue));
  if (s.dy > 0) Triangle(dc, 266, 10, 276, 0, 286, 10);
  if (s.dy < 0) Triangle(dc, 266, 632, 276, 642, 286, 632);
  if (s.dx > 0) Triangle(dc, 10, 311, 0, 321, 10, 331);
  if (s.dx < 0) Triangle(dc, 552, 311, 562, 321, 552, 331);
}

// g_textHeight for the time of the record graphic, given back afterwards.
class ScopedTextHeight {
 public:
  explicit ScopedTextHeight(double height) : m_saved(g_textHeight) { g_textHeight = height; }
  ~ScopedTextHeight() { g_textHeight = m_saved; }
  ScopedTextHeight(const ScopedTextHeight&) = delete;
  ScopedTextHeight& operator=(const ScopedTextHeight&) = delete;

 private:
  double m_saved;
};

void DrawRecordWithSurroundings(edbs::Canvas& dc, const DetailDrawState& s, const Extent& e) {
  const double centreX = (e.xMax + e.xMin) / 2;
  const double centreY = (e.yMax + e.yMin) / 2;
  const double scale = std::min(kGraphicFit / (e.xMax + kExtentMargin - e.xMin),
                                kGraphicFit / (e.yMax + kExtentMargin - e.yMin)) *
                       s.zoom;
  const int cx = kGraphicCentreX - s.dx;
  const int cy = kGraphicCentreY - s.dy;
  const edbs::Pen before = dc.GetPen();
  {
    const ScopedViewScale viewScale(scale);
    const ScopedTextHeight textHeight(kGraphicTextHeight);
    // Around a record without points there is nothing to centre on: the surroundings would
    // shrink to a speck at a scale below zero.
    if (g_settings.DetailGrafik && e.Found()) {
      dc.SelectPen(SolidPen(kSurroundingGrey));
      dc.SetTextColor(kSurroundingGrey);
      const int count = g_store.GetRecordCount();
      for (int i = 0; i < count; ++i) DrawRecordGeometry(dc, i, centreX, centreY, cx, cy);
    }
    DrawScrollArrows(dc, s);
    dc.SelectPen(SolidPen(kRecordRed));
    dc.SetTextColor(kRecordRed);
    DrawRecordGeometry(dc, g_detailRecord, centreX, centreY, cx, cy);
  }
  dc.SelectPen(before);
  dc.SetTextColor(kBlack);
}

// Column and row of a part in the diagram, carried from part to part.
class PartDiagram {
 public:
  PartDiagram(edbs::Canvas& dc, const DetailDrawState& s) : m_dc(dc), m_s(s) {}

  void Add(int type, const std::string& name);
  void Finish() { FlushCounter(); }

 private:
  bool Place(int type);
  void Box(const std::string& name);
  void FlushCounter();

  edbs::Canvas& m_dc;
  const DetailDrawState& m_s;
  int m_x = 0;
  int m_y = 0;
  int m_previous = -1;  // type of the last drawn part
  int m_run = 0;        // special-information points in the current run
  int m_runX = 0;       // where the run's box stands
  int m_runY = 0;
};

bool PartDiagram::Place(int type) {
  const int next = m_y + kDiagramRowStep;
  const bool afterLines = m_previous == kPtUlob0000 || m_previous == kPtUlob1000 || m_previous == kPtUlob1100 ||
                          m_previous == kPtUlo11Alk || m_previous == kPtUlob1110 || m_previous == kPtUlob1200;
  switch (type) {
    case kPtUlob0000: m_x = 60; m_y = 12; break;
    case kPtUlob1000: m_x = 10; m_y = m_previous == kPtUlob0000 ? 22 : next; break;
    case kPtUlob1100:
    case kPtUlo11Alk: m_x = 20; m_y = next; break;
    case kPtUlob1110: m_x = 30; m_y = next; break;
    case kPtUlob1200: m_x = 10; m_y = next; break;
    case kPtUlob2000:
    case kPtUlo20Alk: m_x = 110; m_y = afterLines ? 22 : next; break;
    case kPtUlob2100:
    case kPtUlo21Alk: m_x = 120; m_y = next; break;
    case kPtUlob2110: m_x = 130; m_y = next; break;
    default:
      if (type < kPtUlta0000 || type > kPtSuchkrit) return false;  // the header and the factors
      m_x = 220;
      m_y = next;
      break;
  }
  return true;
}

void PartDiagram::Add(int type, const std::string& name) {
  if (type == kPtUlob2110 && m_previous == kPtUlob2110) {
    ++m_run;  // a run of points is one box with its counter
    return;
  }
  if (!Place(type)) return;
  FlushCounter();  // the run before this part has ended
  Box(name);
  m_previous = type;
  if (type == kPtUlob2110) {
    m_run = 1;
    m_runX = m_x;
    m_runY = m_y;
  }
}

void PartDiagram::Box(const std::string& name) {
  const edbs::Size extent = m_dc.GetTextExtent(name);
  const int x = m_x - m_s.dx;
  const int y = m_y - m_s.dy;
  m_dc.Rectangle(x - kBoxMargin, y, x + extent.cx + kBoxMargin, y + extent.cy - 2);
  m_dc.TextOut(x, y, name);
}

void PartDiagram::FlushCounter() {
  if (m_run == 0) return;
  // Opaque, so that the count covers whatever lies beneath it.
  m_dc.SetBkMode(edbs::BkMode::Opaque);
  m_dc.TextOut(m_runX + kCounterGap - m_s.dx, m_runY - m_s.dy, Format("x %d", m_run));
  m_dc.SetBkMode(edbs::BkMode::Transparent);
  m_run = 0;
}

void DrawPartDiagram(edbs::Canvas& dc, const DetailDrawState& s) {
  dc.SelectBrush(kWhite);
  dc.SetBkColor(kWhite);
  PartDiagram diagram(dc, s);
  const int parts = g_store.GetPartCount(g_detailRecord);
  for (int j = 0; j < parts; ++j) {
    diagram.Add(g_store.GetPartType(g_detailRecord, j), g_store.GetPartTypeName(g_detailRecord, j));
  }
  diagram.Finish();
}

void DrawRecordGraphic(edbs::Canvas& dc, const DetailDrawState& s) {
  dc.SelectFont(ArialFont(12, kThin, false));
  dc.SetTextColor(kBlack);
  const Extent e = RecordExtent(g_detailRecord);
  if (e.Found()) DrawExtentLabels(dc, s, e);
  DrawRecordWithSurroundings(dc, s, e);
  DrawPartDiagram(dc, s);
}

}  // namespace

void ApplyDetailMove(DetailDrawState& state, DetailMove move) {
  switch (move) {
    case DetailMove::Up: state.dy -= kDetailStepVertical; break;
    case DetailMove::Down: state.dy += kDetailStepVertical; break;
    case DetailMove::Left: state.dx -= kDetailStepHorizontal; break;
    case DetailMove::Right: state.dx += kDetailStepHorizontal; break;
    case DetailMove::Smaller: state.zoom = std::max(kMinZoom, state.zoom * 0.5); break;
    case DetailMove::Larger: state.zoom = std::min(kMaxZoom, state.zoom * 2); break;
  }
}

void DrawDetail(edbs::Canvas& dc, const DetailDrawState& state) {
  dc.Save();
  const edbs::Size client = dc.GetClientSize();
  dc.SelectBrush(kWhite);
  dc.FillRect(0, 0, client.cx, client.cy);
  dc.SetTextAlign(edbs::TextAlign::LeftTop);
  dc.SetBkMode(edbs::BkMode::Transparent);
  dc.SelectPen(SolidPen(kBlack));
  const bool recordKnown = g_detailRecord >= 0 && g_detailRecord < g_store.GetRecordCount();
  if (recordKnown && g_detailPart >= 0 && g_detailPart < g_store.GetPartCount(g_detailRecord)) {
    DrawPartText(dc, state);
  } else if (recordKnown && g_detailPart == kDetailRecordGraphic) {
    DrawRecordGraphic(dc, state);
  }
  dc.Restore();
}
