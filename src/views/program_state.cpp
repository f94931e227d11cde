#include "views/program_state.h"

#include "load/file_reader.h"
#include "load/recent_files.h"
#include "records/edbs_part.h"
#include "records/filter_values.h"
#include "store/edbs_store.h"
#include "views/detail_pages.h"
#include "views/list_pages.h"
#include "views/settings.h"
#include "views/view_state.h"

void ResetProgramState() {
  g_store.ClearAll();  // also empties the loaded-file slots
  g_filterCount = 0;
  ResetFilterValues();
  ResetLoadState();  // also empties the error list and the check counters
  g_recentFiles.fill(std::string());
  ResetSettings();   // also the detail and list start positions
  ResetViewState();
  g_listIndex.clear();
  ResetDetailState();
  g_parseText.clear();
  g_parsePos = 0;
  DetailTable.ClearAll();
}
