#pragma once
// The texts that the plan places for a record, taken from the plan's own walk over the record's
// parts, in metres instead of pixels: the same texts at the same points as in the graphic.

#include <vector>

#include "gis/edbs_source.h"

namespace gis {

// The texts of record `record`, with the object each belongs to; none for records other than
// FEIN and BSPE. Every text counts as placeable, whatever the graphic's scale.
std::vector<SourceText> PlacedTexts(int record, const Origin& origin);

}  // namespace gis
