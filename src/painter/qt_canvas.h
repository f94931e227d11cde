#pragma once
// The drawing surface of the desktop program and the batch tool: draws the core's GDI-like
// primitives with QPainter onto an image, an SVG generator or a PDF writer. Flush hands an image to
// the screen at once, so that a long load shows its progress bars while it runs.

#include <QFont>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QSize>

#include <functional>
#include <string>

#include "platform/canvas.h"

namespace satzlupe {

class QtCanvas : public edbs::Canvas {
 public:
  // `clientSize` is the client area the core lays out against, in logical pixels (an image of a
  // high-density screen has more device pixels); `flush`, when set, shows the image on the
  // screen synchronously.
  QtCanvas(QPaintDevice& device, QSize clientSize, std::function<void()> flush = {});
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  edbs::Size GetTextExtent(const std::string& text) override;
  edbs::Size GetClientSize() override;
  void Flush() override;

  // A GDI font description as a Qt font: a positive height is the cell height (ascent plus
  // descent) in pixels, a negative one the character height, a width the average character width.
  // The escapement is not part of it: the text is turned when it is drawn.
  static QFont MakeFont(const edbs::Font& font);

 protected:
  void DrawLine(int x1, int y1, int x2, int y2) override;
  void DrawRectangle(int l, int t, int r, int b) override;
  void DrawFillRect(int l, int t, int r, int b) override;
  void DrawEllipse(int l, int t, int r, int b) override;
  void DrawArc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) override;
  void DrawText(int x, int y, const std::string& text) override;
  void DrawBitmap(int id, int x, int y) override;

 private:
  // A Qt font with the metrics that text placement needs.
  struct PreparedFont {
    QFont font;
    int ascent = 0;
    int height = 0;
    int maxWidth = 0;  // of the widest character
  };

  QPainter& Painter();
  void UsePen();
  void UseNoPen();
  const PreparedFont& CurrentFont();
  // True when text at (x, y) cannot reach the visible surface, whatever its direction.
  bool TextOutOfSight(int x, int y, const std::string& text, const PreparedFont& font) const;

  QPaintDevice& m_device;
  QPainter m_painter;
  QSize m_client;
  QRect m_visible;
  std::function<void()> m_flush;
  bool m_penValid = false;  // the painter holds the pen of m_pen
  edbs::Pen m_pen;
  QHash<QString, PreparedFont> m_fonts;  // by face, height, width, weight and italic
  const PreparedFont* m_currentFont = nullptr;
  edbs::Font m_currentKey;
};

// Resource bitmap `id` of the program (the start screen's pictures); a null image when unknown.
QImage ResourceBitmap(int id);

}  // namespace satzlupe
