#pragma once
// The aggregate grammar: turns the text of a record into its parts, chosen by the record's
// operation key and information name.

#include <string_view>
#include <vector>

#include "records/part_list.h"

// Parses `text`, a record with the operation-key and information-name indexes given, into the
// placements of its parts (`parts` is emptied first). Returns minus the number of parts on
// success, or the positive error code; the parts placed before an error stay, the failing one too.
// The parts are measured, not built: a part class that always takes the same number of characters
// says so (Width), the others are built to see how far they read.
int ParseRecord(std::string_view text, int opKeyIndex, int infoNameIndex, PartPlacements& parts);
