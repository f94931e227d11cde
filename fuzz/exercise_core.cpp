#include "exercise_core.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "load/error_list.h"
#include "load/file_reader.h"
#include "load/recent_files.h"
#include "platform/profile.h"
#include "platform/recording_canvas.h"
#include "platform/services.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "records/filter_table.h"
#include "records/filter_values.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/detail_drawing.h"
#include "views/detail_pages.h"
#include "views/export.h"
#include "views/filter.h"
#include "views/geometry_drawing.h"
#include "views/graphic.h"
#include "views/list_pages.h"
#include "views/program_state.h"
#include "views/settings.h"
#include "views/statistics.h"
#include "views/view_state.h"
#include "records/filter_criteria.h"
#include "store/edbs_record.h"
#ifdef SATZLUPE_FUZZ_GIS
#include "gis/edbs_source.h"
#include "gis/gis_features.h"
#endif

namespace fuzzing {
namespace {

// The walk looks at this many records and parts at most, so that an execution stays short.
constexpr int kMaxRecordsWalked = 100;
constexpr int kMaxPartsWalked = 60;
constexpr int kMaxRecordsDrawnAlone = 6;  // the geometry of a single record
constexpr int kMaxRecordsWritten = 3;
constexpr int kMaxDetailRecordsDrawn = 6;  // each may draw the whole data in grey around it
constexpr unsigned kMaxDetailMoves = 6;
constexpr int kMaxErrorRowsRead = 100;
constexpr std::size_t kMaxArgumentLength = 48;
constexpr std::size_t kAddedBytes = 200;

// Part types already looked at, by their code; codes without a class share the last place.
class TypesSeen {
 public:
  // True the first time a type (with a selector from kFirstSelector on) comes.
  bool First(int type, int selector = kFirstSelector) {
    const std::size_t t = type >= 0 && type < kPartTypeCount ? static_cast<std::size_t>(type) : kPartTypeCount;
    const std::size_t at = t * kSelectors + static_cast<std::size_t>(selector - kFirstSelector);
    if (m_seen[at]) return false;
    m_seen[at] = true;
    return true;
  }

  static constexpr int kFirstSelector = -2;
  static constexpr std::size_t kSelectors = 30;

 private:
  std::bitset<(kPartTypeCount + 1) * kSelectors> m_seen;
};

// Deterministic pieces of the input, used as the user's typing: the same bytes give the same walk.
class Choices {
 public:
  explicit Choices(std::string_view bytes) : m_bytes(bytes) {}

  // Byte k of a fixed walk through the input (0 for an empty input).
  unsigned Byte(unsigned k) const {
    if (m_bytes.empty()) return 0;
    return static_cast<unsigned char>(m_bytes[Position(k)]);
  }
  // A piece of up to `maxLength` characters starting at a place chosen by k.
  std::string Text(unsigned k, std::size_t maxLength) const {
    if (m_bytes.empty()) return {};
    const std::size_t start = Position(k);
    const std::size_t length = 1 + Byte(k + 1) % maxLength;
    return std::string(m_bytes.substr(start, length));
  }

 private:
  std::size_t Position(unsigned k) const {
    return static_cast<std::size_t>((k * 2654435761u + 40503u) % m_bytes.size());
  }
  std::string_view m_bytes;
};

// Message boxes of the core are answered and forgotten; a walk must not wait for a user.
class SilentPrompt : public edbs::UserPrompt {
 public:
  void ShowMessage(const std::string&) override {}
  edbs::PromptAnswer AskYesNo(const std::string&) override { return edbs::PromptAnswer::No; }
  std::string ChooseOpenFile(const std::string&, const std::string&) override { return {}; }
  std::string ChooseSaveFile(const std::string&, const std::string&) override { return {}; }
};

// A profile value as the registry may hold it: a usual one, an edge of the range, or any.
int ProfileInt(const Choices& c, unsigned k) {
  static constexpr int kValues[] = {0, 1, -1, 2, 100, 5000, 250000, -7, 2147483647, -2147483647 - 1};
  const unsigned b = c.Byte(k);
  if (b < 160) return kValues[b % std::size(kValues)];
  return static_cast<int>((c.Byte(k + 1) << 24) | (c.Byte(k + 2) << 16) | (c.Byte(k + 3) << 8) | c.Byte(k + 4));
}

// The settings and the reopen list as the program reads them at start from a profile whose values
// nobody checked, and writes them back at exit.
void StartAndEndWithAProfile(const Choices& c, bool atStart) {
  static constexpr const char* kKeys[] = {"Gitternetz", "Gitterschrift", "Gitterauto",  "Gitterabstand",
                                          "DetailWhf",  "DetailMaxAnz",  "DetailGrafik", "ListeWhf",
                                          "ListeMaxAnz", "Kurzform"};
  edbs::MemoryProfile profile;
  if (!atStart) {
    SaveSettings(profile);
    SaveRecentFiles(profile);
    return;
  }
  unsigned k = 60;
  for (const char* key : kKeys) profile.WriteInt(kSettingsSection, key, ProfileInt(c, k += 5));
  for (int slot = 0; slot < 3; ++slot) {
    profile.WriteString("Dateinamen", Format("MRUListname%02d", slot), c.Text(k += 3, 40));
  }
  LoadSettings(profile);
  LoadRecentFiles(profile);
  g_textHeight = 0.5 + c.Byte(9) % 20;
}

// What the detail dialog, the list and the statistics ask of every part besides what the export
// asks (the detail rows and every part's own list text): the list text for another selector, once
// for each pair of part type and selector, and the typed field readers. The criteria and
// statistics read the fields of every part in scope; here each part type's readers run on its
// first part of the input, whatever the filter left.
void LookAtRecords(const Choices& c) {
  const int records = std::min(g_store.GetRecordCount(), kMaxRecordsWalked);
  TypesSeen typesRead, selectorsRead;
  for (int i = 0; i < records; ++i) {
    (void)g_store.GetRecordTitle(i);
    const int parts = std::min(g_store.GetPartCount(i), kMaxPartsWalked);
    for (int j = 0; j < parts; ++j) {
      const int type = g_store.GetPartType(i, j);
      int selector = static_cast<int>(c.Byte(static_cast<unsigned>(i + j)) % TypesSeen::kSelectors) + TypesSeen::kFirstSelector;
      if (selectorsRead.First(type, selector)) (void)g_store.GetPartListTextDotted(i, j, selector);
      if (!typesRead.First(type)) continue;
      (void)g_store.GetLayer(i, j);
      (void)g_store.GetObjectType(i, j);
      (void)g_store.GetGeometryKind(i, j);
      (void)g_store.GetInfoKind(i, j);
      (void)g_store.GetInfoText(i, j);
      (void)g_store.GetAttribute(i, j);
      (void)g_store.GetRepeatCount(i, j);
      (void)g_store.GetDirectionAngle(i, j);
      double x = 0, y = 0;
      (void)g_store.GetPoint(i, j, x, y);
    }
  }
}

// Every tab's first page at the page size of the settings, and its last one when the group does
// not fit one page.
void PageLists(const Choices& c) {
  (void)ListGroupsEmpty();
  (void)ListStartHeader();
  const int pageSize = g_settings.ListeMaxAnz;
  for (int tab = 0; tab < kListTabCount; ++tab) {
    const bool whf = g_settings.ListeWhf != ((c.Byte(static_cast<unsigned>(tab) + 40) & 1) != 0);
    (void)ListTabLabel(tab);
    (void)ListTabBackground(tab);
    (void)ListColumns(tab, whf);
    RebuildListIndex(tab);
    g_listStart = 0;
    (void)BuildListPage(tab, pageSize, whf);
    if (!g_listIndex.empty()) (void)ListSliderText(static_cast<int>(g_listIndex.size()) - 1);
    if (static_cast<int>(g_listIndex.size()) > std::max(1, pageSize)) {
      g_listStart = static_cast<int>(g_listIndex.size()) - 1;
      (void)BuildListPage(tab, pageSize, whf);
    }
  }
  g_listStart = 0;
}

void ComputeStatistics() {
  for (int kind = 0; kind < kStatisticCount; ++kind) (void)StatisticLines(kind);
}

// Both forms to memory. For a few records, in one input of four, also as "Lesbar Speichern ..."
// writes the form of the settings, and the error list as its dialog saves it; the files go
// nowhere. (The writer repeats what the text gives and starts a thread of its own, so the other
// inputs spare the time.)
void ExportBothForms(const Choices& c) {
  (void)ReadableExportText(true);
  (void)ReadableExportText(false);
  if (g_store.GetRecordCount() <= kMaxRecordsWritten && (c.Byte(15) & 3) == 0) {
    (void)WriteReadableExport("/dev/null", [](long long, long long) {});
    (void)WriteErrorList("/dev/null");
  }
}

// The error-list dialog's rows and the batch tool's lines, in UTF-8 as the terminal gets them (a
// line is made of the dialog's row). Rows are made alike whatever the finding, so the walk reads
// the first ones and the last.
void ReadErrorList() {
  (void)ErrorListHeading();
  const int count = static_cast<int>(g_errorMessages.size());
  for (int k = 0; k < count; ++k) {
    if (k == kMaxErrorRowsRead && k < count - 1) k = count - 1;
    (void)edbs::Cp1252ToUtf8(ErrorListText(k));
  }
}

// The plan graphic is recorded; the single records draw on a surface that measures text alike
// but keeps nothing, since writing every drawing into a log would cost most of the walk.
void DrawEverything(edbs::RecordingCanvas& dc, edbs::Canvas& quiet, const Choices& c) {
  g_graphicMode = static_cast<int>(c.Byte(10) & 1);
  dc.Clear();
  DrawGraphic(dc);
  dc.Clear();
  const int records = std::min(g_store.GetRecordCount(), kMaxRecordsDrawnAlone);
  for (int i = 0; i < records; ++i) {
    const ScopedViewScale scale(0.05 + c.Byte(i) * 0.01);
    DrawRecordGeometry(quiet, i, g_viewCentreX, g_viewCentreY, 400, 300);
  }
}

// The detail dialog's buttons pressed in an order the input chooses.
DetailDrawState MovedDetail(const Choices& c, unsigned k) {
  DetailDrawState state;
  const unsigned moves = c.Byte(k) % (kMaxDetailMoves + 1);
  for (unsigned n = 1; n <= moves; ++n) ApplyDetailMove(state, static_cast<DetailMove>(c.Byte(k + n) % 6));
  return state;
}

// The detail dialog: its first and last page, the slider, and on the first page each record
// node's graphic and each part node's fields, moved and zoomed by its buttons.
void BrowseDetail(edbs::Canvas& dc, const Choices& c) {
  RebuildDetailRecords();
  const int count = static_cast<int>(g_detailRecords.size());
  const int maxCount = g_settings.DetailMaxAnz;
  const bool hideWhf = g_settings.DetailWhf != ((c.Byte(12) & 1) != 0);
  (void)DetailSliderTicks(count, maxCount);
  (void)DetailSliderText(count - 1);
  (void)DetailSliderText(count);
  g_detailStart = std::max(0, count - 1);
  (void)BuildDetailPage(maxCount, hideWhf);
  g_detailStart = 0;
  const DetailPage page = BuildDetailPage(maxCount, hideWhf);
  // A part's fields are drawn alike for every part of its type (the export already read every
  // part's rows), so each type is drawn once, moved as its record chose.
  // The grey surroundings are the whole data drawn again: the first record shows them as the
  // settings say, the others are drawn as with the option switched off.
  TypesSeen typesDrawn;
  const bool surroundings = g_settings.DetailGrafik;
  int drawn = 0;
  for (const DetailRecordNode& node : page.records) {
    if (drawn++ >= kMaxDetailRecordsDrawn) break;
    const DetailDrawState state = MovedDetail(c, static_cast<unsigned>(node.record) + 70);
    SelectDetailRecord(node.record);
    DrawDetail(dc, state);
    g_settings.DetailGrafik = false;
    for (const DetailPartNode& part : node.parts) {
      if (!typesDrawn.First(g_store.GetPartType(node.record, part.part))) continue;
      SelectDetailPart(node.record, part.part, part.text.empty());
      DrawDetail(dc, state);
    }
  }
  g_settings.DetailGrafik = surroundings;
  // A part node without text draws nothing.
  if (!page.records.empty()) SelectDetailPart(page.records.front().record, 0, true);
  DrawDetail(dc, DetailDrawState{});
}

#ifdef SATZLUPE_FUZZ_GIS
// The lines, areas, points and texts the GIS export would write, assembled without writing them.
void AssembleGisFeatures() {
  (void)gis::FirstPoint();
  const gis::GisData data = gis::BuildFeatures(gis::ReadStore());
  for (const std::vector<gis::Feature>& layer : data.layers) {
    for (const gis::Feature& feature : layer) {
      if (const auto* fault = std::get_if<gis::PointSet>(&feature.geometry)) (void)gis::FormatPoints(fault->points);
    }
  }
}
#endif

// The mouse on the graphic, and the scale and centre typed into the options dialog.
void UseTheMouse(const Choices& c) {
  const int x = static_cast<int>(c.Byte(20) * 3), y = static_cast<int>(c.Byte(21) * 2);
  (void)CursorPositionText(x, y, 800, 600);
  ApplyViewScaleAndCentre(TextToDouble(c.Text(30, 12)), ViewCentreShownX() + c.Byte(31),
                          ViewCentreShownY() - c.Byte(32));
  (void)ViewMetresPerPixel();
  ViewWheelZoom(static_cast<int>(c.Byte(22) % 7) - 3, x, y, 800, 600);
  for (int button : {kMouseLeft, kMouseRight, kMouseMiddle}) {
    ViewMouseDown(button, x, y, 800, 600);
    ViewMouseUp(button, static_cast<int>(c.Byte(23 + button) * 3), static_cast<int>(c.Byte(26 + button) * 2), 800, 600);
  }
}

// An argument line of single values and ranges, built from pieces of the input.
std::string ArgumentLine(const Choices& c, unsigned k) {
  std::string line = c.Text(k, kMaxArgumentLength);
  switch (c.Byte(k + 2) % 4) {
    case 0: line += "-" + c.Text(k + 3, 12); break;
    case 1: line = "-" + line; break;
    case 2: line += ":" + c.Text(k + 4, 12) + ":"; break;
    default: break;
  }
  return line;
}

FilterRun RunFor(int tab, const Choices& c, unsigned k) {
  FilterRun run;
  run.tab = tab;
  run.refine = (c.Byte(k) & 1) != 0;
  run.negate = (c.Byte(k) & 2) != 0;
  run.extraTicked = (c.Byte(k) & 4) != 0;
  const FilterCriterionInfo& info = FilterTabInfo(tab);
  switch (info.input) {
    case FilterInput::kList: {
      // The dialog's list is gathered from the data only when the input picks from it.
      const unsigned wanted = c.Byte(k + 1) % 4;
      if (wanted == 0) break;
      const std::vector<std::string> lines = FilterListLines(tab);
      for (unsigned n = 0; n < wanted && !lines.empty(); ++n) run.selectedLines.push_back(lines[c.Byte(k + 2 + n) % lines.size()]);
      break;
    }
    case FilterInput::kLine:
      run.argumentLine = ArgumentLine(c, k + 5);
      break;
    case FilterInput::kCoordinates: {
      if ((c.Byte(k + 1) & 1) != 0) {
        const GraphicExtent e = ComputeGraphicExtent();
        run.coordinates = {Format("%.3f", e.xMin), Format("%.3f", e.yMin), Format("%.3f", e.xMax), Format("%.3f", e.yMax)};
      } else {
        run.coordinates = {c.Text(k + 2, 16), c.Text(k + 3, 16), c.Text(k + 4, 16), c.Text(k + 5, 16)};
      }
      break;
    }
    case FilterInput::kNone:
      break;
  }
  return run;
}

// Every tab, refining or extending, negated or not, with its extra checkbox or without, as the
// input chooses; the argument-line parser also on its own with lines the dialog would refuse.
// Half of the inputs keep the filter set the criteria leave for the views, half clear it.
void RunEveryFilter(const Choices& c) {
  for (int tab = 0; tab < kFilterTabCount; ++tab) {
    (void)RunFilter(RunFor(tab, c, static_cast<unsigned>(tab) * 11));
    (void)FilterCountText();
    const FilterCriterionInfo& info = FilterTabInfo(tab);
    if (info.input == FilterInput::kLine) {
      FilterArguments args;
      (void)ParseArgumentLine(info, c.Text(static_cast<unsigned>(tab) * 13, 120), args);
    }
  }
  for (int code : {kCritObjArtOhneDarstellung, kCritObjNrOhneDatenbank, kCritTextOhneGrossKlein}) {
    g_store.ApplyFilterCriterion(code, static_cast<int>(c.Byte(static_cast<unsigned>(code)) & 1), 0);
  }
  // A code that is no criterion, as a stored or mistyped one would be.
  const int stray = static_cast<int>(c.Byte(50)) - 20;
  (void)FindFilterCriterion(stray);
  (void)FilterPartTypes(stray);
  g_store.ApplyFilterCriterion(stray, 0, static_cast<int>(c.Byte(51) & 1));
  (void)CollectFachkennungen();
  if ((c.Byte(11) & 1) != 0) g_store.ClearFilterSet();
}

}  // namespace

void ExerciseCore(std::string_view bytes) {
  static SilentPrompt prompt;
  edbs::SetPrompt(&prompt);
  ResetProgramState();
  const Choices c(bytes);
  // The load screen draws the same whatever the bytes, so the loads and its redraw draw on a
  // surface that keeps nothing; the plan graphic is recorded.
  edbs::NullCanvas quiet;
  edbs::RecordingCanvas dc;
  StartAndEndWithAProfile(c, true);

  // The tail of the bytes is read first and then cleared by opening the whole; the tail is added
  // again as a second file, with a path in the file system's form (UTF-8) that holds a blank and
  // an umlaut.
  const std::string_view tail = bytes.substr(bytes.size() - std::min(bytes.size(), kAddedBytes));
  LoadFromBuffer(tail, "/tmp/erste.edbs", false, quiet);
  LoadFromBuffer(bytes, "fuzz.edbs", false, quiet);
  LoadFromBuffer(tail, "/tmp/zweite Datei \xC3\xA4.edbs", true, quiet);
  PerformPendingLoad(quiet);  // the redraw of the load screen
  ReadErrorList();

  RunEveryFilter(c);
  LookAtRecords(c);
  PageLists(c);
  ComputeStatistics();
  ExportBothForms(c);
  DrawEverything(dc, quiet, c);
  BrowseDetail(quiet, c);
#ifdef SATZLUPE_FUZZ_GIS
  AssembleGisFeatures();
#endif
  UseTheMouse(c);

  g_store.DeleteRecordsOutsideFilterSet();
  (void)StatisticLines(kStatRecordsPerFile);
  // One input in four ends the program, which writes its settings back; what it writes does not
  // depend on the input beyond the values read at the start.
  if ((c.Byte(14) & 3) == 0) StartAndEndWithAProfile(c, false);
  // Everything allocated is given back, so that the fuzzer sees a leak as a leak at once.
  ResetProgramState();
  edbs::SetPrompt(nullptr);
}

}  // namespace fuzzing
