#include "platform/recording_canvas.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <string_view>

#include "platform/text.h"

namespace edbs {
namespace {

// One line of the log, written at its end; the line end follows when the line is done.
class LogLine {
 public:
  LogLine(std::string& log, std::vector<std::size_t>& starts, std::string_view word) : m_log(log) {
    starts.push_back(log.size());
    m_log += word;
  }
  LogLine(const LogLine&) = delete;
  LogLine& operator=(const LogLine&) = delete;
  ~LogLine() { m_log += '\n'; }

  LogLine& Put(std::string_view text) {
    m_log += text;
    return *this;
  }
  LogLine& Int(int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_log.append(digits, end);
    return *this;
  }
  LogLine& Ints(std::initializer_list<int> values) {
    for (int v : values) Put(" ").Int(v);
    return *this;
  }
  LogLine& Rgb(Color c) { return Int(c.r).Put(",").Int(c.g).Put(",").Int(c.b); }
  LogLine& PenText(const Pen& pen) { return Put(" pen ").Int(pen.width).Put(" ").Rgb(pen.color); }

 private:
  std::string& m_log;
};

}  // namespace

std::vector<std::string> RecordingCanvas::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(m_starts.size());
  for (std::size_t k = 0; k < m_starts.size(); ++k) {
    const std::size_t end = (k + 1 < m_starts.size() ? m_starts[k + 1] : m_log.size()) - 1;  // before the line end
    lines.emplace_back(m_log, m_starts[k], end - m_starts[k]);
  }
  return lines;
}

Size RecordingCanvas::GetTextExtent(const std::string& text) {
  const int h = std::max(1, GetFont().height < 0 ? -GetFont().height : GetFont().height);
  return {static_cast<int>(text.size()) * std::max(1, h / 2), h};
}

void RecordingCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  LogLine(m_log, m_starts, "line").Ints({x1, y1, x2, y2}).PenText(GetPen());
}

void RecordingCanvas::DrawRectangle(int l, int t, int r, int b) {
  LogLine(m_log, m_starts, "rectangle").Ints({l, t, r, b}).PenText(GetPen()).Put(" brush ").Rgb(GetBrush());
}

void RecordingCanvas::DrawFillRect(int l, int t, int r, int b) {
  LogLine(m_log, m_starts, "fillrect").Ints({l, t, r, b}).Put(" brush ").Rgb(GetBrush());
}

void RecordingCanvas::DrawEllipse(int l, int t, int r, int b) {
  LogLine(m_log, m_starts, "ellipse").Ints({l, t, r, b}).PenText(GetPen()).Put(" brush ").Rgb(GetBrush());
}

void RecordingCanvas::DrawArc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  LogLine(m_log, m_starts, "arc").Ints({l, t, r, b, xs, ys, xe, ye}).PenText(GetPen());
}

void RecordingCanvas::DrawText(int x, int y, const std::string& text) {
  const Font& f = GetFont();
  LogLine(m_log, m_starts, "text")
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
      .Put(Cp1252ToUtf8(text));
}

void RecordingCanvas::DrawBitmap(int id, int x, int y) { LogLine(m_log, m_starts, "bitmap").Ints({id, x, y}); }

Size NullCanvas::GetTextExtent(const std::string& text) {
  return {static_cast<int>(text.size()) * 7, 15};
}

}  // namespace edbs
