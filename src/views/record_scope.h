#pragma once
// The records the list and the statistics look at: the filter set when one exists, else all.

#include "store/edbs_store.h"

inline bool RecordInScope(int i) { return g_filterCount == 0 || g_store.IsInFilterSet(i) > 0; }
