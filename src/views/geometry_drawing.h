#pragma once
// Everything one record contributes to a plan: the lines, polygons, splines and arcs of its
// object and the texts, symbols and drawn decorations of its special information.

namespace edbs {
class Canvas;
}

// Draws record `record` of the store with the pen and text colour the caller has selected, for a
// plan whose world point (centreX, centreY) lies at pixel (cx, cy) at g_viewScale pixels per
// metre; texts are g_textHeight metres high. Records other than FEIN and BSPE draw nothing. The
// caller's pen, font and colours stay selected; the current position moves on as lines are drawn.
void DrawRecordGeometry(edbs::Canvas& dc, int record, double centreX, double centreY, int cx, int cy);
