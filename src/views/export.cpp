#include "views/export.h"

#include <algorithm>
#include <cstdio>

#include "platform/services.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/settings.h"
#include "platform/cp1252_literal.h"

namespace {

// The export's text of records, with the line end it is written with (CR LF into the file).
class CExportText {
 public:
  CExportText(std::string& out, std::string_view lineEnd) : m_out(out), m_lineEnd(lineEnd) {}

  // A line feed inside a text (a path may hold one) is written with the line end too.
  void Append(std::string_view text) {
    if (m_lineEnd.size() == 1 || text.find('\n') == std::string_view::npos) {
      m_out += text;
      return;
    }
    for (const char c : text) {
      if (c == '\n') m_out += m_lineEnd;
      else m_out += c;
    }
  }
  // "%-Ns": pads on the right, never cuts; NUL bytes stay characters.
  void AppendPadded(std::string_view text, std::size_t width) {
    Append(text);
    if (text.size() < width) m_out.append(width - text.size(), ' ');
  }
  void EndLine() { m_out += m_lineEnd; }
  void Rule(char c) {
    m_out.append(79, c);
    EndLine();
  }

  void Record(int i, bool longForm) {
    EndLine();
    EndLine();
    Rule('-');
    const int fileIndex = g_store.GetFileIndex(i);
    const std::string path = fileIndex >= 0 && fileIndex < kLoadedFileSlots ? g_loadedFiles[fileIndex] : std::string();
    Append(Format("Zeile: %6d  -  Datei: ", g_store.GetLineNumber(i)));
    Append(edbs::NativePathToText(path));
    EndLine();
    Rule('-');
    for (int j = 0; j < g_store.GetPartCount(i); ++j) {
      if (longForm) {
        LongPart(i, j);
      } else {
        // The search criterion shows its full text.
        int selector = -1;
        const std::string dotted = g_store.GetPartListTextDotted(i, j, selector);
        AppendPadded(PartTypeName(g_store.GetPartType(i, j)), 15);
        Append(dotted);
        EndLine();
      }
    }
  }

 private:
  void LongPart(int i, int j) {
    const int n = g_store.FillPartDetail(i, j);
    if (n >= 0) {
      EndLine();
      AppendPadded(DetailTable.Tag(0), 15);
      AppendPadded(DetailTable.Label(0), 35);
      EndLine();
      Rule('_');
      for (int k = 1; k <= n; ++k) {
        AppendPadded(DetailTable.Tag(k), 15);
        AppendPadded(DetailTable.Label(k), 35);
        Append(DetailTable.Value(k));
        EndLine();
      }
    }
    EndLine();
  }

  std::string& m_out;
  std::string_view m_lineEnd;
};

bool Selected(int i) { return g_filterCount == 0 || g_store.IsInFilterSet(i) > 0; }

}  // namespace

std::string ReadableExportText(bool longForm) {
  std::string out;
  CExportText text(out, "\n");
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (Selected(i)) text.Record(i, longForm);
  }
  return out;
}

bool WriteReadableExport(const std::string& path, const ExportProgress& progress) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    edbs::Prompt().ShowMessage(CP("Datei kann nicht geöffnet werden!"));
    return false;
  }
  const bool longForm = g_settings.Kurzform != 0;
  const long long total = g_filterCount != 0 ? g_filterCount : g_store.GetRecordCount();
  long long written = 0, threshold = 0;
  bool ok = true;
  // Written in blocks of about a megabyte as the records come, with their CR LF line ends, so a
  // large store needs no copy of the whole export (the long form is some thirty times the file).
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  std::string block;
  block.reserve(kBlock + kBlock / 4);
  CExportText text(block, "\r\n");
  const auto flush = [&] {
    ok = ok && std::fwrite(block.data(), 1, block.size(), f) == block.size();
    block.clear();
  };
  for (int i = 0; i < g_store.GetRecordCount() && ok; ++i) {
    if (!Selected(i)) continue;
    if (progress && written > threshold) {
      threshold += std::max(1LL, total / 100);
      progress(written, total);
    }
    ++written;
    text.Record(i, longForm);
    if (block.size() >= kBlock) flush();
  }
  flush();
  ok = std::fclose(f) == 0 && ok;
  if (progress) progress(written, total);
  if (!ok) edbs::Prompt().ShowMessage("Fehler beim Schreiben der Datei!");
  return ok;
}
