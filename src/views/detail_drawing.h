#pragma once
// What the detail dialog draws beside its tree: the selected part's fields as three columns, or
// the selected record as a small graphic (its extent, its geometry on a fitted scale, optionally
// the whole data in grey around it, and a box diagram of its parts). The dialog's buttons move and
// zoom the drawing.

namespace edbs {
class Canvas;
}

// The drawing's offsets in pixels (a point drawn at (x, y) lands at (x - dx, y - dy)) and the zoom
// of the record graphic. Every selection change starts afresh.
struct DetailDrawState {
  int dx = 0;
  int dy = 0;
  double zoom = 1.0;
};

// The buttons that move the drawing ("oben", "unten", "links", "rechts") and zoom the record
// graphic ("kleiner" and its opposite).
enum class DetailMove { Up, Down, Left, Right, Smaller, Larger };

// Pixels the drawing moves per press of "oben"/"unten" and of "links"/"rechts".
inline constexpr int kDetailStepVertical = 15;
inline constexpr int kDetailStepHorizontal = 300;

void ApplyDetailMove(DetailDrawState& state, DetailMove move);

// Erases the surface and draws the selected part (g_detailPart >= 0) or record graphic
// (g_detailPart = -1) of g_detailRecord. The record graphic uses a scale and a text height of its
// own and gives g_viewScale and g_textHeight back afterwards, so that the plan graphic of the main
// window stays exactly as it was.
void DrawDetail(edbs::Canvas& dc, const DetailDrawState& state);
