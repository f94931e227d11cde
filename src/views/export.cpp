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

// "%-Ns": pads on the right, never cuts; NUL bytes stay characters.
void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

void AppendRecord(std::string& out, int i, bool longForm) {
  out += "\n\n";
  out.append(79, '-');
  out += '\n';
  const int fileIndex = g_store.GetFileIndex(i);
  const std::string path = fileIndex >= 0 && fileIndex < kLoadedFileSlots ? g_loadedFiles[fileIndex] : std::string();
  out += Format("Zeile: %6d  -  Datei: ", g_store.GetLineNumber(i));
  out += edbs::NativePathToText(path);
  out += '\n';
  out.append(79, '-');
  out += '\n';
  for (int j = 0; j < g_store.GetPartCount(i); ++j) {
    if (longForm) {
      const int n = g_store.FillPartDetail(i, j);
      if (n >= 0) {
        out += '\n';
        AppendPadded(out, DetailTable.Tag(0), 15);
        AppendPadded(out, DetailTable.Label(0), 35);
        out += '\n';
        out.append(79, '_');
        out += '\n';
        for (int k = 1; k <= n; ++k) {
          AppendPadded(out, DetailTable.Tag(k), 15);
          AppendPadded(out, DetailTable.Label(k), 35);
          out += DetailTable.Value(k);
          out += '\n';
        }
      }
      out += '\n';
    } else {
      // The search criterion shows its full text.
      int selector = -1;
      const std::string dotted = g_store.GetPartListTextDotted(i, j, selector);
      AppendPadded(out, g_store.GetPartTypeName(i, j), 15);
      out += dotted;
      out += '\n';
    }
  }
}

bool Selected(int i) { return g_filterCount == 0 || g_store.IsInFilterSet(i) > 0; }

}  // namespace

std::string ReadableExportText(bool longForm) {
  std::string out;
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (Selected(i)) AppendRecord(out, i, longForm);
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
  std::string block;
  // Record by record, so a large store needs no second copy of the whole export in memory; the
  // line ends are CR LF, as the export has always been written.
  for (int i = 0; i < g_store.GetRecordCount() && ok; ++i) {
    if (!Selected(i)) continue;
    if (progress && written > threshold) {
      threshold += std::max(1LL, total / 100);
      progress(written, total);
    }
    ++written;
    block.clear();
    AppendRecord(block, i, longForm);
    std::string crlf;
    crlf.reserve(block.size() + block.size() / 16);
    for (char c : block) {
      if (c == '\n') crlf += '\r';
      crlf += c;
    }
    ok = std::fwrite(crlf.data(), 1, crlf.size(), f) == crlf.size();
  }
  ok = std::fclose(f) == 0 && ok;
  if (progress) progress(written, total);
  if (!ok) edbs::Prompt().ShowMessage("Fehler beim Schreiben der Datei!");
  return ok;
}
