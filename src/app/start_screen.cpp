#include "start_screen.h"

#include <QImage>

#include "platform/canvas.h"
#include "qt_canvas.h"
#include "qtext.h"

namespace satzlupe {

const QStringList& PublisherLines() {
  static const QStringList lines = {
      QStringLiteral("Satzlupe - Prüfen und Untersuchen von EDBS-Dateien (ALK, ATKIS)"),
      QStringLiteral("Herausgegeben von der Satzlupe-Arbeitsgruppe"),
      QStringLiteral("Am Messpunkt 7, 01234 Musterstadt"),
      QStringLiteral("Telefon 01234 / 56 78 90, Telefax 01234 / 56 78 99"),
      QStringLiteral("E-Mail: info@satzlupe.example"),
      QStringLiteral("Fragen und Hinweise zum Programm sind jederzeit willkommen."),
  };
  return lines;
}

void DrawStartScreen(edbs::Canvas& dc) {
  const edbs::Size client = dc.GetClientSize();
  const int cx = client.cx / 2;
  const int cy = client.cy / 2;

  const QImage logo = ResourceBitmap(kStartBitmap);
  dc.Bitmap(kStartBitmap, cx - logo.width() / 2, cy - logo.height() / 2);
  const QImage corner = ResourceBitmap(kStartBitmapCorner);
  dc.Bitmap(kStartBitmapCorner, cx + 300 - corner.width() / 2, cy - 170 - corner.height() / 2);

  dc.Save();
  edbs::Font font;
  font.face = "Arial";
  font.height = 12;
  font.width = 5;
  font.weight = 100;
  dc.SelectFont(font);
  dc.SetTextColor({0, 0, 0});
  dc.SetTextAlign(edbs::TextAlign::CentreTop);
  dc.TextOut(cx, cy + 85, "Version 1.30");
  int y = cy + 100;
  for (int k = 0; k < PublisherLines().size() && k < 8; ++k, y += 15) dc.TextOut(cx, y, ToCoreText(PublisherLines()[k]));
  dc.Restore();
}

}  // namespace satzlupe
