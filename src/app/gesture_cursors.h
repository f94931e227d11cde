#pragma once
// The cursors of the mouse gestures on the graphic: zoom (left button), pan (right button) and
// the coordinate window (middle button).

#include <QCursor>

namespace satzlupe {

inline constexpr int kCursorPan = 158;
inline constexpr int kCursorZoom = 159;
inline constexpr int kCursorWindow = 161;

// The cursor of resource `id`, with its hot spot; the arrow for an unknown id.
QCursor GestureCursor(int id);

// The cursor shown while mouse button `button` (kMouseLeft, kMouseRight, kMouseMiddle) is held.
QCursor CursorOfButton(int button);

}  // namespace satzlupe
