#include "views/export.h"

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/services.h"
#include "platform/text.h"
#include "records/edbs_part.h"
#include "records/part_classes.h"
#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "views/settings.h"
#include "platform/cp1252_literal.h"

namespace {

// A buffer of the export's text. Its bytes are left as they come from the allocator: the text
// overwrites them, and clearing megabytes first would cost as much again.
struct ExportBlock {
  std::unique_ptr<char[]> data;
  std::size_t capacity = 0;
};

// The export's text of records in a buffer of its own, with the line end it is written with
// (CR LF into the file). The long form of a large delivery runs to gigabytes: every character is
// copied once, numbers and padding are written directly.
class CExportText {
 public:
  // crlf: lines end with CR LF (the file), else with LF.
  explicit CExportText(bool crlf) : m_crlf(crlf) { Take(std::size_t{1} << 12); }

  std::string_view Text() const { return {m_buffer.data.get(), Size()}; }
  std::size_t Size() const { return static_cast<std::size_t>(m_pos - m_buffer.data.get()); }
  // Hands the text made so far over in `block` and goes on in the buffer that `block` held.
  std::size_t Swap(ExportBlock& block) {
    const std::size_t size = Size();
    const std::size_t capacity = m_buffer.capacity;
    std::swap(block, m_buffer);
    Take(capacity);
    return size;
  }

  void Record(int i, bool longForm) {
    EndLine();
    EndLine();
    Rule('-');
    Put("Zeile: ");
    PutNumber(g_store.GetLineNumber(i), 6);
    Put("  -  Datei: ");
    PutPath(g_store.GetFileIndex(i));
    EndLine();
    Rule('-');
    const int parts = g_store.GetPartCount(i);
    for (int j = 0; j < parts; ++j) {
      if (longForm) {
        LongPart(i, j);
      } else {
        ShortPart(i, j);
      }
    }
  }

 private:
  static constexpr std::size_t kSlack = 64;
  static constexpr std::array<char, 48> kBlanks = [] {
    std::array<char, 48> b{};
    b.fill(' ');
    return b;
  }();

  // Room for n more characters and the slack that the copies below may write beyond them. Each
  // write stays within what it reserved; were one to end in the slack, the next still grows.
  char* Reserve(std::size_t n) {
    if (m_pos > m_limit || static_cast<std::size_t>(m_limit - m_pos) < n) Grow(n);
    return m_pos;
  }
  void Grow(std::size_t n) {
    const std::size_t size = Size();
    ExportBlock larger = Allocate(std::max(2 * m_buffer.capacity, size + n + kSlack));
    std::memcpy(larger.data.get(), m_buffer.data.get(), size);
    m_buffer = std::move(larger);
    m_pos = m_buffer.data.get() + size;
    m_limit = m_buffer.data.get() + m_buffer.capacity - kSlack;
  }
  // Starts writing at the beginning of m_buffer, which holds at least `size` bytes.
  void Take(std::size_t size) {
    size = std::max<std::size_t>(size, 2 * kSlack);
    if (m_buffer.capacity < size) m_buffer = Allocate(size);
    m_pos = m_buffer.data.get();
    m_limit = m_buffer.data.get() + m_buffer.capacity - kSlack;
  }
  static ExportBlock Allocate(std::size_t capacity) {
    return ExportBlock{std::make_unique_for_overwrite<char[]>(capacity), capacity};
  }
  // Most texts are a few characters: they are copied in two overlapping words instead of a call.
  // Returns the end of the copy. The helpers below write through a pointer of their own: stores
  // of characters could change the members, which would be read again after every store.
  static char* Copy(char* to, const char* from, std::size_t n) {
    if (n >= 8 && n <= 16) {
      std::memcpy(to, from, 8);
      std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4 && n < 8) {
      std::memcpy(to, from, 4);
      std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n < 4) {
      if (n > 0) to[0] = from[0];
      if (n > 1) to[1] = from[1];
      if (n > 2) to[2] = from[2];
    } else {
      std::memcpy(to, from, n);
    }
    return to + n;
  }
  // "%-Ns" (width at most 48): pads on the right, never cuts; NUL bytes stay characters. The blanks
  // are written as a whole block; what lies beyond the width is overwritten next.
  static char* CopyPadded(char* to, std::string_view text, std::size_t width) {
    char* end = Copy(to, text.data(), text.size());
    if (text.size() >= width) return end;
    std::memcpy(end, kBlanks.data(), kBlanks.size());
    return to + width;
  }
  char* CopyLineEnd(char* to) const {
    if (m_crlf) *to++ = '\r';
    *to++ = '\n';
    return to;
  }
  // A detail row: tag and label padded to 15 and 35 characters, the value, the line end.
  void PutRow(std::string_view tag, std::string_view label, std::string_view value) {
    char* p = Reserve(std::max<std::size_t>(tag.size(), 15) + std::max<std::size_t>(label.size(), 35) + value.size() + 2);
    p = CopyPadded(p, tag, 15);
    p = CopyPadded(p, label, 35);
    p = Copy(p, value.data(), value.size());
    m_pos = CopyLineEnd(p);
  }
  void Put(std::string_view text) { m_pos = Copy(Reserve(text.size()), text.data(), text.size()); }
  void Fill(std::size_t count, char c) {
    std::memset(Reserve(count), c, count);
    m_pos += count;
  }
  void PutPadded(std::string_view text, std::size_t width) {
    m_pos = CopyPadded(Reserve(std::max(text.size(), width)), text, width);
  }
  void EndLine() { m_pos = CopyLineEnd(Reserve(2)); }
  void Rule(char c) {
    Fill(79, c);
    EndLine();
  }
  // "%*d" with the width given.
  void PutNumber(int value, int width) {
    char digits[16];
    int n = 0;
    if (value < 0) {
      Put(PaddedInt(value, width));
      return;
    }
    do {
      digits[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0);
    if (n < width) Fill(static_cast<std::size_t>(width - n), ' ');
    Reserve(static_cast<std::size_t>(n));
    while (n > 0) *m_pos++ = digits[--n];
  }
  // The source file's full path in core text; a line feed in it is written as a line end too.
  void PutPath(int fileIndex) {
    if (fileIndex != m_pathIndex) {
      const std::string path = fileIndex >= 0 && fileIndex < kLoadedFileSlots ? g_loadedFiles[fileIndex] : std::string();
      m_path = edbs::NativePathToText(path);
      m_pathIndex = fileIndex;
    }
    std::size_t from = 0;
    for (std::size_t lf = m_path.find('\n'); lf != std::string::npos; lf = m_path.find('\n', from)) {
      Put(std::string_view(m_path).substr(from, lf - from));
      EndLine();
      from = lf + 1;
    }
    Put(std::string_view(m_path).substr(from));
  }

  void LongPart(int i, int j) {
    const int n = g_store.FillPartDetail(i, j);
    if (n >= 0) {
      EndLine();
      PutRow(DetailTable.Tag(0), DetailTable.Label(0), "");
      Rule('_');
      for (int k = 1; k <= n; ++k) PutRow(DetailTable.Tag(k), DetailTable.Label(k), DetailTable.Value(k));
    }
    EndLine();
  }

  // The part type name and the part's list text with every blank shown as a middle dot; the
  // search criterion shows its full text.
  void ShortPart(int i, int j) {
    PutPadded(PartTypeName(g_store.GetPartType(i, j)), 15);
    const CPartRef part = g_store.Record(i).m_parts[static_cast<std::size_t>(j)];
    if (const auto text = ListTextInPlace(part)) {
      Put(*text);
      std::replace(m_pos - text->size(), m_pos, ' ', '\xB7');
    } else {
      int selector = -1;
      Put(g_store.GetPartListTextDotted(i, j, selector));
    }
    EndLine();
  }

  ExportBlock m_buffer;  // written up to m_pos
  char* m_pos = nullptr;
  char* m_limit = nullptr;     // kSlack before the buffer's end
  bool m_crlf;
  int m_pathIndex = -2;  // the file whose path m_path holds
  std::string m_path;
};

bool Selected(int i) { return g_filterCount == 0 || g_store.IsInFilterSet(i) > 0; }


// Writes the export's blocks on a thread of its own, so that the disk writes one block while the
// next is made: the long form of a large delivery writes gigabytes. Without a thread (the system
// refuses one) the blocks are written in turn.
class CBlockWriter {
 public:
  explicit CBlockWriter(std::FILE* file) : m_file(file) {
    try {
      m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
      m_synchronous = true;
    }
  }
  ~CBlockWriter() { Close(); }
  CBlockWriter(const CBlockWriter&) = delete;
  CBlockWriter& operator=(const CBlockWriter&) = delete;

  // Hands over `size` bytes of `block`, which comes back as a buffer to fill anew.
  void Write(ExportBlock& block, std::size_t size) {
    if (m_synchronous) {
      WriteOut(block, size);
      return;
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending; });
    std::swap(block, m_next);
    m_nextSize = size;
    m_pending = true;
    m_changed.notify_all();
  }
  bool Failed() {
    std::lock_guard lock(m_mutex);
    return m_failed;
  }
  // Waits until every block is written; false when a write failed.
  bool Close() {
    if (m_thread.joinable()) {
      {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_pending; });
        m_closing = true;
        m_changed.notify_all();
      }
      m_thread.join();
    }
    return !m_failed;
  }

 private:
  void Run() {
    ExportBlock writing;
    for (;;) {
      std::size_t size = 0;
      {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_pending || m_closing; });
        if (!m_pending) return;
        std::swap(writing, m_next);
        size = m_nextSize;
        m_pending = false;
        m_changed.notify_all();
      }
      WriteOut(writing, size);
    }
  }
  void WriteOut(const ExportBlock& block, std::size_t size) {
    if (size == 0 || m_failed) return;
    const bool ok = std::fwrite(block.data.get(), 1, size, m_file) == size;
    std::lock_guard lock(m_mutex);
    if (!ok) m_failed = true;
  }

  std::FILE* m_file;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  ExportBlock m_next;  // the block handed over, while m_pending
  std::size_t m_nextSize = 0;
  bool m_pending = false;
  bool m_closing = false;
  bool m_failed = false;
  bool m_synchronous = false;
  std::thread m_thread;
};
}  // namespace

std::string ReadableExportText(bool longForm) {
  CExportText text(false);
  for (int i = 0; i < g_store.GetRecordCount(); ++i) {
    if (Selected(i)) text.Record(i, longForm);
  }
  return std::string(text.Text());
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
  // large store needs no copy of the whole export (the long form is some thirty times the file);
  // a thread writes each block while the next is made.
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  CExportText text(true);
  ExportBlock block;
  {
    CBlockWriter writer(f);
    for (int i = 0; i < g_store.GetRecordCount() && ok; ++i) {
      if (!Selected(i)) continue;
      if (progress && written > threshold) {
        threshold += std::max(1LL, total / 100);
        progress(written, total);
      }
      ++written;
      text.Record(i, longForm);
      if (text.Size() >= kBlock) {
        const std::size_t size = text.Swap(block);
        writer.Write(block, size);
        ok = !writer.Failed();
      }
    }
    const std::size_t size = text.Swap(block);
    writer.Write(block, size);
    ok = writer.Close() && ok;
  }
  ok = std::fclose(f) == 0 && ok;
  if (progress) progress(written, total);
  if (!ok) edbs::Prompt().ShowMessage("Fehler beim Schreiben der Datei!");
  return ok;
}
