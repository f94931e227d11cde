#include "views/detail_pages.h"

#include <algorithm>
#include <cstdint>

#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/record_scope.h"
#include "views/settings.h"

std::vector<int> g_detailRecords;
int g_detailRecord = 0;
int g_detailPart = kDetailRecordGraphic;

namespace {

int IconOf(int record) { return std::clamp(g_store.GetOpKeyIndex(record), 0, kOpKeyCount - 1); }

DetailRecordNode RecordNode(int record, bool hideWhf) {
  DetailRecordNode node{record, g_store.GetRecordTitle(record), IconOf(record), {}};
  const int parts = g_store.GetPartCount(record);
  node.parts.reserve(static_cast<std::size_t>(std::max(parts, 0)));
  for (int j = 0; j < parts; ++j) {
    if (DetailShowsPart(g_store.GetPartType(record, j), hideWhf)) {
      node.parts.push_back({j, DetailPartNodeText(record, j)});
    }
  }
  return node;
}

bool IsStoreIndex(int record) { return record >= 0 && record < g_store.GetRecordCount(); }

}  // namespace

void RebuildDetailRecords() {
  g_detailRecords.clear();
  const int count = g_store.GetRecordCount();
  for (int i = 0; i < count; ++i) {
    if (RecordInScope(i)) g_detailRecords.push_back(i);
  }
}

int DetailPageSize(int maxCount) { return std::max(1, maxCount); }

DetailPage BuildDetailPage(int maxCount, bool hideWhf) {
  DetailPage page;
  const int count = static_cast<int>(g_detailRecords.size());
  if (count == 0) return page;
  page.first = std::clamp(g_detailStart, 0, count - 1);
  const std::int64_t end = std::min<std::int64_t>(count, std::int64_t{page.first} + DetailPageSize(maxCount));
  page.records.reserve(static_cast<std::size_t>(end - page.first));
  for (std::int64_t d = page.first; d < end; ++d) {
    page.records.push_back(RecordNode(g_detailRecords[static_cast<std::size_t>(d)], hideWhf));
  }
  return page;
}

std::vector<int> DetailSliderTicks(int count, int maxCount) {
  std::vector<int> ticks;
  const int step = DetailPageSize(maxCount);
  for (std::int64_t t = 0; t < count; t += step) ticks.push_back(static_cast<int>(t));
  return ticks;
}

std::string DetailSliderText(int position) {
  if (position < 0 || position >= static_cast<int>(g_detailRecords.size())) return {};
  const int i = g_detailRecords[static_cast<std::size_t>(position)];
  // The title begins with line number and file slot; a line number of seven digits and more
  // stays whole instead of being cut at a fixed width.
  return Format("Nr. %d: Satz %6d.%02d", position + 1, g_store.GetLineNumber(i), g_store.GetFileIndex(i));
}

bool DetailShowsPart(int partType, bool hideWhf) { return !(hideWhf && partType >= kPtFirstWhf); }

std::string DetailPartNodeText(int record, int part) {
  return PaddedInt(part, 3) + "  " + g_store.GetPartTypeName(record, part);
}

void SelectDetailRecord(int record) {
  if (IsStoreIndex(record)) g_detailRecord = record;
  g_detailPart = kDetailRecordGraphic;
}

void SelectDetailPart(int record, int part, bool nodeTextEmpty) {
  if (IsStoreIndex(record)) g_detailRecord = record;
  g_detailPart = nodeTextEmpty ? kDetailNothing : part;
}

void ResetDetailState() {
  g_detailRecords.clear();
  g_detailRecord = 0;
  g_detailPart = kDetailRecordGraphic;
}
