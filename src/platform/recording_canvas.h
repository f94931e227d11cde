#pragma once
// Test double of the drawing surface: writes every primitive as one line of text, with the state
// it was drawn with, so that tests and the batch tool can compare drawings line by line.

#include <string>
#include <vector>

#include "platform/canvas.h"

namespace edbs {

class RecordingCanvas : public Canvas {
 public:
  explicit RecordingCanvas(int width = 800, int height = 600) : m_width(width), m_height(height) {}

  // The lines drawn, in order (a text drawn with a line feed in it stays one line here).
  std::vector<std::string> Lines() const;
  const std::string& Log() const { return m_log; }  // all lines, each ended by '\n'
  void Clear() {
    m_log.clear();
    m_starts.clear();
  }
  int FlushCount() const { return m_flushes; }

  // Text extents follow a fixed-pitch rule so that layouts are reproducible: each character is
  // half the font height wide (at least 1 pixel), the extent is the font height tall.
  Size GetTextExtent(const std::string& text) override;
  Size GetClientSize() override { return {m_width, m_height}; }
  void Flush() override { ++m_flushes; }

 protected:
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawRectangle(int l, int t, int r, int b) override;
  void DrawFillRect(int l, int t, int r, int b) override;
  void DrawEllipse(int l, int t, int r, int b) override;
  void DrawArc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawBitmap(int id, int x, int y) override;

 private:
  // One text for the whole log and where each line starts: a plan of a delivery logs millions
  // of calls, and a string each would cost more than the drawing.
  std::string m_log;
  std::vector<std::size_t> m_starts;
  int m_width, m_height;
  int m_flushes = 0;
};

// A surface that draws nothing, for loads without a window (the batch tool).
class NullCanvas : public Canvas {
 public:
  Size GetTextExtent(const std::string& text) override;
  Size GetClientSize() override { return {800, 600}; }

 protected:
  void DrawLine(int, int, int, int) override {}
  void DrawRectangle(int, int, int, int) override {}
  void DrawFillRect(int, int, int, int) override {}
  void DrawEllipse(int, int, int, int) override {}
  void DrawArc(int, int, int, int, int, int, int, int) override {}
  void DrawText(int, int, const std::string&) override {}
  void DrawBitmap(int, int, int) override {}
};

}  // namespace edbs
