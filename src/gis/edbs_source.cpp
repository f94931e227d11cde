#include "gis/edbs_source.h"

#include <iterator>
#include <type_traits>
#include <unordered_map>

#include "gis/line_geometry.h"
#include "gis/placed_texts.h"
#include "platform/text.h"
#include "records/part_classes.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"

namespace gis {
namespace {

// Elements of the point records that the export takes (their EDBS names).
constexpr std::string_view kNumberingDistrict = "DLPU0001";
constexpr std::string_view kPointKind = "DLPU0002";
constexpr std::string_view kPointNumber = "DLPU0003";
constexpr std::string_view kPointStatus = "DLPU0005";
constexpr std::string_view kPointCurrency = "DLPU0007";
constexpr std::string_view kRechtswert = "DLPU2002";
constexpr std::string_view kHochwert = "DLPU2003";

// Kinds of special information that name their object ("Objektnamen").
bool NamesObject(std::string_view infoKind) { return infoKind >= "11" && infoKind <= "19"; }

bool IsObjectDataKey(int opKeyIndex) { return opKeyIndex == kFEIN || opKeyIndex == kBSPE; }

bool Selected(int record) { return g_filterCount == 0 || g_store.IsInFilterSet(record) > 0; }

template <typename Part>
std::optional<Point2> PointOf(const Part& part) {
  Point2 p;
  if (part.GetPoint(p.x, p.y) != 0) return std::nullopt;
  return p;
}

std::optional<Point2> PointOfPointRecord(const CUlpu2000Part& part) {
  const auto x = PointRecordCoordinate(part.GetElement(kRechtswert));
  const auto y = PointRecordCoordinate(part.GetElement(kHochwert));
  if (!x || !y) return std::nullopt;
  return Point2{*x, *y};
}

// The point a part carries, for the parts that carry coordinates.
struct PartPoint {
  template <typename Part>
  std::optional<Point2> operator()(const Part& part) const {
    if constexpr (std::is_base_of_v<CLinePointPart, Part> || std::is_same_v<Part, CUlob2110Part>) {
      return PointOf(part);
    } else if constexpr (std::is_same_v<Part, CUlpu2000Part>) {
      return PointOfPointRecord(part);
    } else {
      return std::nullopt;
    }
  }
};

// Walks one record's parts in order. A line is complete when the next line, the first object
// or the end of the record follows.
class RecordReader {
 public:
  RecordReader(SourceData& data, std::unordered_map<std::string, std::size_t>& objectIndex, int record)
      : m_data(data), m_objectIndex(objectIndex), m_record(record), m_selected(Selected(record)) {
    m_origin.line = g_store.GetLineNumber(record);
    const int file = g_store.GetFileIndex(record);
    if (file >= 0 && file < kLoadedFileSlots) m_origin.file = edbs::NativePathToText(g_loadedFiles[file]);
  }

  void Read() {
    for (const auto& part : g_store.Record(m_record).m_parts) {
      VisitPart(*part, [this](const auto& p) { On(p); });
    }
    FinishLine();
    if (!m_selected) return;
    std::vector<SourceText> texts = PlacedTexts(m_record, m_origin);
    m_data.texts.insert(m_data.texts.end(), std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
  }

 private:
  void On(const CUlob0000Part& p) {
    m_start = PointOf(p);
  }

  void On(const CUlob1000Part& p) {
    FinishLine();
    m_end = PointOf(p);
    m_lineOpen = true;
    m_kind = std::string(p.GetGeometryKind());
    m_supports.clear();
    m_functions.clear();
  }

  void On(const CUlob1100Part& p) {
    if (!m_lineOpen) return;
    m_functions.push_back({TrimRight(p.GetLayer()), TrimRight(p.GetObjectType()), TrimRight(p.m_objectNumberRight.View()),
                           TrimRight(p.m_objectNumberLeft.View())});
  }

  void On(const CUlob1200Part& p) {
    if (const auto point = PointOf(p); m_lineOpen && point) m_supports.push_back(*point);
  }

  void On(const CUlob2000Part& p) {
    FinishLine();
    SourceObject object;
    object.layer = TrimRight(p.GetLayer());
    object.objectKind = TrimRight(p.GetObjectType());
    object.currency = TrimRight(p.m_currency.View());
    object.objectType = TrimRight(p.m_objectTypeChar.View());
    object.objectNumber = TrimRight(p.m_objectNumber.View());
    object.creationDate = TrimRight(p.m_creationDate.View());
    object.anchor = m_start;
    object.origin = m_origin;
    m_object = Merge(std::move(object));
    if (m_selected) m_data.objects[m_object].selected = true;
  }

  void On(const CUlob2100Part& p) {
    if (m_object == kNoObject) return;
    SourceObject& object = m_data.objects[m_object];
    if (object.layer == kParcelLayer && object.parcelKey.empty() && NamesObject(p.GetInfoKind())) {
      object.parcelKey = TrimRight(p.GetInfoText());
    }
  }

  void On(const CUlpu0000Part& p) {
    if (!m_selected) return;
    SourcePoint point;
    point.pointNumber = TrimRight(std::string(p.GetElement(kNumberingDistrict)) + std::string(p.GetElement(kPointKind)) +
                                  std::string(p.GetElement(kPointNumber)));
    point.pointKind = TrimRight(p.GetElement(kPointKind));
    point.pointStatus = TrimRight(p.GetElement(kPointStatus));
    point.currency = TrimRight(p.GetElement(kPointCurrency));
    point.origin = m_origin;
    m_data.points.push_back(std::move(point));
  }

  void On(const CUlpu2000Part& p) {
    if (!m_selected || m_data.points.empty() || m_data.points.back().position) return;
    m_data.points.back().position = PointOfPointRecord(p);
  }

  // Every other part carries nothing the export needs.
  template <typename Part>
  void On(const Part&) {}

  std::size_t Merge(SourceObject object) {
    if (!object.objectNumber.empty()) {
      const auto [it, added] = m_objectIndex.try_emplace(object.objectNumber, m_data.objects.size());
      if (!added) return it->second;
    }
    m_data.objects.push_back(std::move(object));
    return m_data.objects.size() - 1;
  }

  void FinishLine() {
    if (!m_lineOpen) return;
    m_lineOpen = false;
    if (!m_start || !m_end) return;
    SourceLine line;
    line.vertices = LineVertices(*m_start, *m_end, m_kind, m_supports);
    line.functions = std::move(m_functions);
    line.origin = m_origin;
    line.selected = m_selected;
    m_data.lines.push_back(std::move(line));
  }

  static constexpr std::size_t kNoObject = static_cast<std::size_t>(-1);

  SourceData& m_data;
  std::unordered_map<std::string, std::size_t>& m_objectIndex;
  const int m_record;
  const bool m_selected;
  Origin m_origin;
  std::optional<Point2> m_start;
  std::optional<Point2> m_end;
  bool m_lineOpen = false;
  std::string m_kind;
  std::vector<Point2> m_supports;
  std::vector<LineFunction> m_functions;
  std::size_t m_object = kNoObject;
};

}  // namespace

std::string TrimRight(std::string_view text) {
  const std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::optional<double> PointRecordCoordinate(std::string_view field) {
  const std::string text = TrimRight(field);
  if (text.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  if (text.find('.') != std::string::npos) return TextToDouble(text);
  return static_cast<double>(TextToInt(text)) / 1000.0;
}

std::optional<Point2> FirstPoint() {
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (!IsObjectDataKey(g_store.GetOpKeyIndex(i)) || !Selected(i)) continue;
    for (const auto& part : g_store.Record(i).m_parts) {
      if (const auto p = VisitPart(*part, PartPoint{})) return p;
    }
  }
  return std::nullopt;
}

SourceData ReadStore(const Progress& progress) {
  SourceData data;
  std::unordered_map<std::string, std::size_t> objectIndex;
  const int n = g_store.GetRecordCount();
  for (int i = 0; i < n; ++i) {
    if (progress && i % 4096 == 0) progress(static_cast<int>(100LL * i / n));
    if (!IsObjectDataKey(g_store.GetOpKeyIndex(i))) continue;
    RecordReader(data, objectIndex, i).Read();
  }
  return data;
}

}  // namespace gis
