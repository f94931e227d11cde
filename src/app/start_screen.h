#pragma once
// The picture the view shows when nothing is pending: the two start bitmaps, the version and the
// publisher's lines, laid out around the centre of the client area.

#include <QStringList>

namespace edbs {
class Canvas;
}

namespace satzlupe {

inline constexpr int kStartBitmap = 115;       // centred on the client centre
inline constexpr int kStartBitmapCorner = 167; // centred 300 right of and 170 above it

// The publisher's lines under the version (at most eight).
const QStringList& PublisherLines();

void DrawStartScreen(edbs::Canvas& dc);

}  // namespace satzlupe
