#pragma once
// A GDI-like drawing surface. The selected pen, brush, font and text settings live here, so that
// every implementation sees the same state; the primitives are drawn by the implementation.

#include <cstdint>
#include <string>
#include <vector>

namespace edbs {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

enum class PenStyle { Solid, Dash, Dot, Null };

struct Pen {
  int width = 1;
  Color color{};
  PenStyle style = PenStyle::Solid;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// The one-pixel solid pen the drawings use for nearly everything.
inline Pen SolidPen(Color c) { return Pen{1, c, PenStyle::Solid}; }

struct Font {
  std::string face = "Arial";
  int height = 0;
  int width = 0;
  int weight = 400;
  bool italic = false;
  int escapement = 0;  // tenths of a degree, counter-clockwise
  int quality = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class BkMode { Transparent, Opaque };
enum class TextAlign { LeftTop, CentreTop };

struct Size {
  int cx = 0, cy = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  void SelectPen(const Pen& pen) { m_state.pen = pen; }
  void SelectBrush(Color brush) { m_state.brush = brush; }
  void SelectFont(const Font& font) { m_state.font = font; }
  void SetTextColor(Color c) { m_state.textColor = c; }
  void SetBkColor(Color c) { m_state.bkColor = c; }
  void SetBkMode(BkMode mode) { m_state.bkMode = mode; }
  void SetTextAlign(TextAlign align) { m_state.align = align; }

  const Pen& GetPen() const { return m_state.pen; }
  Color GetBrush() const { return m_state.brush; }
  const Font& GetFont() const { return m_state.font; }
  Color GetTextColor() const { return m_state.textColor; }
  Color GetBkColor() const { return m_state.bkColor; }
  BkMode GetBkMode() const { return m_state.bkMode; }
  TextAlign GetTextAlign() const { return m_state.align; }

  // Keeps the selected objects, so a drawing routine can hand the surface back as it found it.
  void Save() { m_saved.push_back(m_state); }
  void Restore() {
    if (!m_saved.empty()) {
      m_state = m_saved.back();
      m_saved.pop_back();
    }
  }

  void MoveTo(int x, int y) { m_x = x; m_y = y; }
  void LineTo(int x, int y) {
    DrawLine(m_x, m_y, x, y);
    m_x = x;
    m_y = y;
  }
  int CurrentX() const { return m_x; }
  int CurrentY() const { return m_y; }

  // Outline with the pen, inside with the brush.
  void Rectangle(int l, int t, int r, int b) { DrawRectangle(l, t, r, b); }
  // Fills with the current brush; no outline.
  void FillRect(int l, int t, int r, int b) { DrawFillRect(l, t, r, b); }
  void Ellipse(int l, int t, int r, int b) { DrawEllipse(l, t, r, b); }
  // Counter-clockwise from the radial through (xs, ys) to the radial through (xe, ye).
  void Arc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
    DrawArc(l, t, r, b, xs, ys, xe, ye);
  }
  // text holds Windows-1252 bytes.
  void TextOut(int x, int y, const std::string& text) { DrawText(x, y, text); }
  void Bitmap(int id, int x, int y) { DrawBitmap(id, x, y); }

  virtual Size GetTextExtent(const std::string& text) = 0;
  virtual Size GetClientSize() = 0;

  // Makes what was drawn so far visible at once; a long load calls it at each progress step.
  virtual void Flush() {}

 protected:
  virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
  virtual void DrawRectangle(int l, int t, int r, int b) = 0;
  virtual void DrawFillRect(int l, int t, int r, int b) = 0;
  virtual void DrawEllipse(int l, int t, int r, int b) = 0;
  virtual void DrawArc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) = 0;
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  virtual void DrawBitmap(int id, int x, int y) = 0;

 private:
  struct State {
    Pen pen{};
    Color brush{255, 255, 255};
    Font font{};
    Color textColor{0, 0, 0};
    Color bkColor{255, 255, 255};
    BkMode bkMode = BkMode::Opaque;
    TextAlign align = TextAlign::LeftTop;
  };
  State m_state;
  std::vector<State> m_saved;
  int m_x = 0, m_y = 0;
};

}  // namespace edbs
