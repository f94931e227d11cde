#pragma once
// The drawing surface of the desktop program: draws the core's GDI-like primitives with QPainter
// into an image owned by the view. Flush hands the image to the screen at once, so that a long load
// shows its progress bars while it runs.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSize>

#include <functional>

#include "platform/canvas.h"

namespace satzlupe {

class QtCanvas : public edbs::Canvas {
 public:
  // `clientSize` is the visible client area the core lays out against; `flush`, when set, shows
  // the image on the screen synchronously.
  QtCanvas(QImage& image, QSize clientSize, std::function<void()> flush = {});
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  edbs::Size GetTextExtent(const std::string& text) override;
  edbs::Size GetClientSize() override;
  void Flush() override;

  // A GDI font description as a Qt font: a positive height is the cell height (ascent plus
  // descent) in pixels, a negative one the character height, a width the average character width.
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
  QPainter& Painter();
  void UsePen();
  void UseNoPen();
  const QFont& CurrentFont();

  QImage& m_image;
  QPainter m_painter;
  QSize m_client;
  std::function<void()> m_flush;
  edbs::Font m_fontKey;
  QFont m_font;
  bool m_fontValid = false;
};

// Resource bitmap `id` of the program (the start screen's pictures); a null image when unknown.
QImage ResourceBitmap(int id);

}  // namespace satzlupe
