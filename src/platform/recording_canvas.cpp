#include "platform/recording_canvas.h"

#include <algorithm>

#include "platform/text.h"

namespace edbs {
namespace {

std::string Rgb(Color c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string PenText(const Pen& pen) { return "pen " + std::to_string(pen.width) + " " + Rgb(pen.color); }

std::string Ints(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) {
    out += ' ';
    out += std::to_string(v);
  }
  return out;
}

}  // namespace

std::string RecordingCanvas::Log() const {
  std::string out;
  for (const auto& line : m_lines) {
    out += line;
    out += '\n';
  }
  return out;
}

Size RecordingCanvas::GetTextExtent(const std::string& text) {
  const int h = std::max(1, GetFont().height < 0 ? -GetFont().height : GetFont().height);
  return {static_cast<int>(text.size()) * std::max(1, h / 2), h};
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  m_lines.push_back("line" + Ints({x1, y1, x2, y2}) + " " + PenText(GetPen()));
}

void RecordingCanvas::DrawRectangle(int l, int t, int r, int b) {
  m_lines.push_back("rectangle" + Ints({l, t, r, b}) + " " + PenText(GetPen()) + " brush " + Rgb(GetBrush()));
}

void RecordingCanvas::DrawFillRect(int l, int t, int r, int b) {
  m_lines.push_back("fillrect" + Ints({l, t, r, b}) + " brush " + Rgb(GetBrush()));
}

void RecordingCanvas::DrawEllipse(int l, int t, int r, int b) {
  m_lines.push_back("ellipse" + Ints({l, t, r, b}) + " " + PenText(GetPen()) + " brush " + Rgb(GetBrush()));
}

void RecordingCanvas::DrawArc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  m_lines.push_back("arc" + Ints({l, t, r, b, xs, ys, xe, ye}) + " " + PenText(GetPen()));
}

void RecordingCanvas::DrawText(int x, int y, const std::string& text) {
  const Font& f = GetFont();
  m_lines.push_back("text" + Ints({x, y}) + " font \"" + f.face + "\"" +
                    Ints({f.height, f.width, f.weight, f.italic ? 1 : 0, f.escapement}) + " color " +
                    Rgb(GetTextColor()) + " align " + (GetTextAlign() == TextAlign::LeftTop ? "lt" : "ct") +
                    " bk " + (GetBkMode() == BkMode::Transparent ? "t" : "o") + " | " + Cp1252ToUtf8(text));
}

void RecordingCanvas::DrawBitmap(int id, int x, int y) { m_lines.push_back("bitmap" + Ints({id, x, y})); }

Size NullCanvas::GetTextExtent(const std::string& text) {
  return {static_cast<int>(text.size()) * 7, 15};
}

}  // namespace edbs
