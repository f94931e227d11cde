#include "gesture_cursors.h"

#include <QPixmap>

#include "views/view_state.h"

namespace satzlupe {
namespace {

struct CursorResource {
  int id;
  int hotX, hotY;  // the pixel that points: the lens centre, the middle of the arrows, the cross
};

constexpr CursorResource kCursors[] = {{kCursorPan, 15, 15}, {kCursorZoom, 11, 11}, {kCursorWindow, 8, 8}};

}  // namespace

QCursor GestureCursor(int id) {
  for (const CursorResource& c : kCursors) {
    if (c.id != id) continue;
    const QPixmap pixmap(QStringLiteral(":/cursors/cursor%1.xpm").arg(id));
    if (pixmap.isNull()) break;
    return QCursor(pixmap, c.hotX, c.hotY);
  }
  return QCursor(Qt::ArrowCursor);
}

QCursor CursorOfButton(int button) {
  switch (button) {
    case kMouseLeft: return GestureCursor(kCursorZoom);
    case kMouseRight: return GestureCursor(kCursorPan);
    case kMouseMiddle: return GestureCursor(kCursorWindow);
    default: return QCursor(Qt::ArrowCursor);
  }
}

}  // namespace satzlupe
