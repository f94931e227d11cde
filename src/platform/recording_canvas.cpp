#include "platform/recording_canvas.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <string_view>

#include "platform/text.h"

namespace edbs {
namespace {

// One line of the log, written into a single string: a drawing of a delivery logs thousands of
// calls, and a string per number would cost more than the drawing.
class LogLine {
 public:
  explicit LogLine(std::string_view word) {
    m_text.reserve(128);
    m_text += word;
  }
  LogLine& Put(std::string_view text) {
    m_text += text;
    return *this;
  }
  LogLine& Int(int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_text.append(digits, end);
    return *this;
  }
  LogLine& Ints(std::initializer_list<int> values) {
    for (int v : values) Put(" ").Int(v);
    return *this;
  }
  LogLine& Rgb(Color c) { return Int(c.r).Put(",").Int(c.g).Put(",").Int(c.b); }
  LogLine& PenText(const Pen& pen) { return Put(" pen ").Int(pen.width).Put(" ").Rgb(pen.color); }
  std::string Take() { return std::move(m_text); }

 private:
  std::string m_text;
};

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
  m_lines.push_back(LogLine("line").Ints({x1, y1, x2, y2}).PenText(GetPen()).Take());
}

void RecordingCanvas::DrawRectangle(int l, int t, int r, int b) {
  m_lines.push_back(LogLine("rectangle").Ints({l, t, r, b}).PenText(GetPen()).Put(" brush ").Rgb(GetBrush()).Take());
}

void RecordingCanvas::DrawFillRect(int l, int t, int r, int b) {
  m_lines.push_back(LogLine("fillrect").Ints({l, t, r, b}).Put(" brush ").Rgb(GetBrush()).Take());
}

void RecordingCanvas::DrawEllipse(int l, int t, int r, int b) {
  m_lines.push_back(LogLine("ellipse").Ints({l, t, r, b}).PenText(GetPen()).Put(" brush ").Rgb(GetBrush()).Take());
}

void RecordingCanvas::DrawArc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  m_lines.push_back(LogLine("arc").Ints({l, t, r, b, xs, ys, xe, ye}).PenText(GetPen()).Take());
}

void RecordingCanvas::DrawText(int x, int y, const std::string& text) {
  const Font& f = GetFont();
  m_lines.push_back(LogLine("text")
                        .Ints({x, y})
                        .Put(" font \"")
                        .Put(f.face)
                        .Put("\"")
                        .Ints({f.height, f.width, f.weight, f.italic ? 1 : 0, f.escapement})
                        .Put(" color ")
                        .Rgb(GetTextColor())
                        .Put(" align ")
                        .Put(GetTextAlign() == TextAlign::LeftTop ? "lt" : "ct")
                        .Put(" bk ")
                        .Put(GetBkMode() == BkMode::Transparent ? "t" : "o")
                        .Put(" | ")
                        .Put(Cp1252ToUtf8(text))
                        .Take());
}

void RecordingCanvas::DrawBitmap(int id, int x, int y) { m_lines.push_back(LogLine("bitmap").Ints({id, x, y}).Take()); }

Size NullCanvas::GetTextExtent(const std::string& text) {
  return {static_cast<int>(text.size()) * 7, 15};
}

}  // namespace edbs
