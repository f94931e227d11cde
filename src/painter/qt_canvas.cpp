#include "qt_canvas.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "qtext.h"

namespace satzlupe {
namespace {

QColor ToQColor(edbs::Color c) { return QColor(c.r, c.g, c.b); }

Qt::PenStyle ToQtPenStyle(edbs::PenStyle style) {
  switch (style) {
    case edbs::PenStyle::Dash: return Qt::DashLine;
    case edbs::PenStyle::Dot: return Qt::DotLine;
    case edbs::PenStyle::Null: return Qt::NoPen;
    case edbs::PenStyle::Solid: break;
  }
  return Qt::SolidLine;
}

// The angle of the radial through (x, y) seen from (cx, cy), in degrees counter-clockwise with
// the y axis pointing up as on paper.
double RadialAngle(double cx, double cy, double x, double y) {
  return std::atan2(cy - y, x - cx) * 180.0 / M_PI;
}

// Font heights beyond this are drawn at this height: a text so high covers the window anyway.
constexpr int kMaxFontPixels = 16384;

// The drawings name Arial; Liberation Sans has its metrics.
void SubstituteFonts() {
  static const bool done = [] {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    return true;
  }();
  (void)done;
}

QString FontKey(const edbs::Font& f) {
  return QStringLiteral("%1|%2|%3|%4|%5")
      .arg(ToQString(f.face))
      .arg(f.height)
      .arg(f.width)
      .arg(f.weight)
      .arg(f.italic ? 1 : 0);
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device, QSize clientSize, std::function<void()> flush)
    : m_device(device), m_client(clientSize), m_flush(std::move(flush)) {
  SubstituteFonts();
  const double ratio = std::max(1.0, device.devicePixelRatioF());
  m_visible = QRect(0, 0, static_cast<int>(std::ceil(device.width() / ratio)),
                    static_cast<int>(std::ceil(device.height() / ratio)));
}

QtCanvas::~QtCanvas() {
  if (m_painter.isActive()) m_painter.end();
}

QPainter& QtCanvas::Painter() {
  if (!m_painter.isActive()) {
    m_painter.begin(&m_device);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_penValid = false;
  }
  return m_painter;
}

void QtCanvas::UsePen() {
  const edbs::Pen& pen = GetPen();
  QPainter& p = Painter();
  if (m_penValid && pen == m_pen) return;
  QPen qpen(ToQColor(pen.color));
  qpen.setStyle(ToQtPenStyle(pen.style));
  qpen.setWidth(std::max(1, pen.width));
  // Wide GDI pens end and join round.
  qpen.setCapStyle(pen.width > 1 ? Qt::RoundCap : Qt::SquareCap);
  qpen.setJoinStyle(pen.width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
  p.setPen(qpen);
  m_pen = pen;
  m_penValid = true;
}

void QtCanvas::UseNoPen() {
  Painter().setPen(Qt::NoPen);
  m_penValid = false;
}

QFont QtCanvas::MakeFont(const edbs::Font& font) {
  SubstituteFonts();
  QFont q(ToQString(font.face));
  q.setStyleHint(QFont::SansSerif);
  q.setItalic(font.italic);
  const int weight = font.weight <= 0 ? 400 : std::clamp(font.weight, 1, 1000);
  q.setWeight(static_cast<QFont::Weight>(weight));
  const long long h = font.height == 0 ? 16 : std::clamp<long long>(font.height, -kMaxFontPixels, kMaxFontPixels);
  q.setPixelSize(static_cast<int>(std::max<long long>(1, std::llabs(h))));
  if (h > 0) {
    // GDI counts the internal leading into a positive height; Qt's pixel size is the em.
    const QFontMetricsF fm(q);
    const double cell = fm.ascent() + fm.descent();
    if (cell > 0) q.setPixelSize(std::max(1, static_cast<int>(std::lround(h * h / cell))));
  }
  if (font.width > 0) {
    const QFontMetricsF fm(q);
    const double natural = fm.averageCharWidth();
    if (natural > 0) q.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * font.width / natural)), 1, 4000));
  }
  return q;
}

const QtCanvas::PreparedFont& QtCanvas::CurrentFont() {
  if (m_currentFont != nullptr && m_currentKey == GetFont()) return *m_currentFont;
  m_currentKey = GetFont();
  const QString key = FontKey(m_currentKey);
  auto it = m_fonts.find(key);
  if (it == m_fonts.end()) {
    PreparedFont prepared;
    prepared.font = MakeFont(m_currentKey);
    const QFontMetrics fm(prepared.font);
    prepared.ascent = fm.ascent();
    prepared.height = fm.height();
    prepared.maxWidth = fm.maxWidth();
    it = m_fonts.insert(key, prepared);
  }
  m_currentFont = &it.value();
  return *m_currentFont;
}

bool QtCanvas::TextOutOfSight(int x, int y, const std::string& text, const PreparedFont& font) const {
  // Every glyph lies within its advance and the line height of the reference point.
  const double reach = (static_cast<double>(text.size()) + 1) * std::max(font.maxWidth, font.height) + font.height;
  return x + reach < m_visible.left() || x - reach > m_visible.right() || y + reach < m_visible.top() ||
         y - reach > m_visible.bottom();
}

edbs::Size QtCanvas::GetTextExtent(const std::string& text) {
  const PreparedFont& font = CurrentFont();
  const QFontMetrics fm(font.font);
  return {fm.horizontalAdvance(ToQString(text)), font.height};
}

edbs::Size QtCanvas::GetClientSize() { return {m_client.width(), m_client.height()}; }

void QtCanvas::Flush() {
  if (!m_flush) return;
  // The screen reads the image; finish the strokes so far first.
  if (m_painter.isActive()) m_painter.end();
  m_flush();
}

void QtCanvas::DrawLine(int x1, int y1, int x2, int y2) {
  UsePen();
  Painter().drawLine(x1, y1, x2, y2);
}

void QtCanvas::DrawRectangle(int l, int t, int r, int b) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  QPainter& p = Painter();
  if (GetPen().style == edbs::PenStyle::Null) {
    // Without an outline GDI fills one pixel less in each direction.
    p.fillRect(QRect(l, t, r - l - 1, b - t - 1), ToQColor(GetBrush()));
    return;
  }
  p.fillRect(QRect(l, t, r - l, b - t), ToQColor(GetBrush()));
  UsePen();
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

void QtCanvas::DrawFillRect(int l, int t, int r, int b) {
  if (r <= l || b <= t) return;
  Painter().fillRect(QRect(l, t, r - l, b - t), ToQColor(GetBrush()));
}

void QtCanvas::DrawEllipse(int l, int t, int r, int b) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  QPainter& p = Painter();
  UsePen();
  p.setBrush(ToQColor(GetBrush()));
  p.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
  p.setBrush(Qt::NoBrush);
}

void QtCanvas::DrawArc(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  const double cx = (l + static_cast<double>(r)) / 2.0;
  const double cy = (t + static_cast<double>(b)) / 2.0;
  const double start = RadialAngle(cx, cy, xs, ys);
  double span = RadialAngle(cx, cy, xe, ye) - start;
  while (span <= 0) span += 360.0;  // equal radials draw the whole ellipse, as GDI does
  while (span > 360.0) span -= 360.0;
  UsePen();
  QPainter& p = Painter();
  p.setBrush(Qt::NoBrush);
  const QRectF box(l, t, static_cast<double>(r) - l - 1, static_cast<double>(b) - t - 1);
  p.drawArc(box, static_cast<int>(std::lround(start * 16)), static_cast<int>(std::lround(span * 16)));
}

void QtCanvas::DrawText(int x, int y, const std::string& text) {
  const PreparedFont& font = CurrentFont();
  if (TextOutOfSight(x, y, text, font)) return;
  QPainter& p = Painter();
  const QString s = ToQString(text);
  const bool centred = GetTextAlign() == edbs::TextAlign::CentreTop;
  const bool opaque = GetBkMode() == edbs::BkMode::Opaque;
  const int w = centred || opaque ? QFontMetrics(font.font).horizontalAdvance(s) : 0;
  const int left = centred ? -w / 2 : 0;
  p.save();
  p.translate(x, y);
  // Escapement turns the text counter-clockwise on the screen.
  if (GetFont().escapement != 0) p.rotate(-GetFont().escapement / 10.0);
  if (opaque) p.fillRect(QRect(left, 0, w, font.height), ToQColor(GetBkColor()));
  p.setFont(font.font);
  p.setPen(ToQColor(GetTextColor()));
  p.drawText(QPoint(left, font.ascent), s);
  p.restore();
}

void QtCanvas::DrawBitmap(int id, int x, int y) {
  const QImage bitmap = ResourceBitmap(id);
  if (!bitmap.isNull()) Painter().drawImage(QPoint(x, y), bitmap);
}

QImage ResourceBitmap(int id) {
  static QHash<int, QImage> cache;
  auto it = cache.find(id);
  if (it == cache.end()) it = cache.insert(id, QImage(QStringLiteral(":/bitmaps/bitmap%1.png").arg(id)));
  return it.value();
}

}  // namespace satzlupe
