#pragma once
// The findings of the last load: one message per problem (line number in 8 characters, a check
// label of 12 characters, the description) and the text of the line or record it concerns.
//
// A finding keeps what its message says (its kind, the line number and the one number it may
// name) and refers to its line or record where the load keeps it, in the load's arena; the
// message is written when it is asked for. So a file in which every line has findings needs no
// second copy of itself, and no message is kept as text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CTextArena;

// What a finding says; each kind has its message and belongs to one row of the checks.
enum class FindingKind : std::uint8_t {
  kLineLength,          // row 1; the line's length follows from its text
  kMaxLength,           // row 2
  kMinLength,           // row 3
  kOpKey,               // row 4
  kInfoName,            // row 5
  kSearchBegin,         // row 8
  kBadMarker,           // row 9, the marker at offset 23
  kLastNotE,            // row 9
  kNewStartBeforeEnd,   // row 9
  kContinuationNoStart, // row 9
  kEndNoStart,          // row 9
  kOpKeyDiffers,        // row 10
  kInfoNameDiffers,     // row 10
  kNoAknd,              // row 11
  kNoAend,              // row 11
  kAkndNotFirst,        // row 12
  kAendNotLast,         // row 12
  kDataBeforeInfo,      // row 12
  kAnalysis,            // row 13; value: the parser's code
  kDroppedChain,        // row 13; value: the chain's lines
  kGiven,               // a message given as text (ReportError)
};

// The check row (1..13) a finding kind belongs to.
int FindingRow(FindingKind kind);

// A file in which every line has findings makes millions of them: a finding takes 24 bytes.
struct Finding {
  Finding() = default;
  Finding(std::string_view text, std::int32_t lineNumber, std::int32_t value, FindingKind kind)
      : chars(text.data()), length(static_cast<std::uint32_t>(text.size())), lineNumber(lineNumber), value(value),
        kind(kind) {}
  // The line (or record) as it stood, where the load keeps it.
  std::string_view Text() const { return {chars, length}; }

  const char* chars = nullptr;
  std::uint32_t length = 0;
  std::int32_t lineNumber = 0;
  std::int32_t value = 0;
  FindingKind kind = FindingKind::kGiven;
};

// Where a message given as text stands: after every finding of the checks, or ahead of them (what
// the reading itself has to say: a file not read to its end).
enum class ErrorPlace { kLast, kFirst };

class CErrorList {
 public:
  static constexpr int kRows = 13;

  std::size_t size() const;
  bool empty() const { return size() == 0; }
  // Adds a finding to its row. The list shows the rows in order, each in the order of its findings.
  void Add(const Finding& finding);
  // Adds a message given as text, with a copy of the text it concerns, at the end of the list or
  // ahead of the findings.
  void AddGiven(const std::string& message, std::string_view recordText, ErrorPlace place = ErrorPlace::kLast);
  // The texts the findings of a load refer to stay while the list shows them.
  void KeepTexts(std::shared_ptr<const CTextArena> arena);
  void Clear();

  const Finding& At(std::size_t k) const;
  std::string Message(std::size_t k) const;
  std::string_view Record(std::size_t k) const { return At(k).Text(); }

 private:
  // Deques, not vectors: they grow without a second copy of what they hold.
  std::array<std::deque<Finding>, kRows + 1> m_rows;  // index 0: given messages ahead of the rows
  std::deque<std::string> m_givenMessages, m_givenTexts;
  std::vector<std::shared_ptr<const CTextArena>> m_arenas;
};

extern CErrorList g_errorList;

// The two columns of the error list, read like the lists of texts they stand for: the messages
// (written when asked for) and the record texts. They are views of g_errorList, not copies; to
// keep the list as it is now, copy its elements (AllErrorMessages).
class CErrorColumn {
 public:
  class Iterator {
   public:
    using iterator_category = std::input_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string;
    Iterator() = default;
    Iterator(const CErrorColumn* column, std::size_t k) : m_column(column), m_k(k) {}
    std::string operator*() const { return (*m_column)[m_k]; }
    Iterator& operator++() {
      ++m_k;
      return *this;
    }
    void operator++(int) { ++m_k; }
    bool operator==(const Iterator& o) const { return m_k == o.m_k; }

   private:
    const CErrorColumn* m_column = nullptr;
    std::size_t m_k = 0;
  };
  using iterator = Iterator;
  using const_iterator = Iterator;
  using value_type = std::string;

  explicit CErrorColumn(bool messages) : m_messages(messages) {}
  CErrorColumn(const CErrorColumn&) = delete;
  CErrorColumn& operator=(const CErrorColumn&) = delete;

  std::size_t size() const { return g_errorList.size(); }
  bool empty() const { return g_errorList.empty(); }
  std::string operator[](std::size_t k) const {
    return m_messages ? g_errorList.Message(k) : std::string(g_errorList.Record(k));
  }
  std::string back() const { return (*this)[size() - 1]; }
  Iterator begin() const { return Iterator(this, 0); }
  Iterator end() const { return Iterator(this, size()); }

 private:
  bool m_messages;
};

bool operator==(const CErrorColumn& column, const std::vector<std::string>& texts);

extern const CErrorColumn g_errorMessages;
extern const CErrorColumn g_errorRecords;

// Copies of the columns as they are now.
std::vector<std::string> AllErrorMessages();
std::vector<std::string> AllErrorRecords();

void ReportError(const std::string& message, const std::string& recordText);
void ClearErrorList();

// The message for a record whose parse returned the positive code r (row 13 of the checks).
std::string FormatAnalysisMessage(int lineNumber, int code);
// The message of row 13 for a continuation chain that was dropped without its end line.
std::string FormatDroppedChainMessage(int startLineNumber, int lines);

// The four columns of the error-list dialog for entry k: characters 0-7 (line), 8-19 (kind),
// 20 to the end (description), and the record text. A line number of nine or more digits widens
// the first column, so that the kind and the description stay whole. The record is a view into
// the error list and stays valid until it changes; a record may be megabytes long.
struct ErrorListRow {
  std::string line, kind, description;
  std::string_view record;
};
ErrorListRow GetErrorListRow(int k);
// The width of the line-number column of message k (8, or more for a longer number).
std::size_t ErrorListLineWidth(const std::string& message);

// Entry k as one line of text: the four columns separated by tabs, without a line end.
std::string ErrorListText(int k);
// The column titles in the same form.
std::string ErrorListHeading();

// Writes the column titles and every entry, one a line, in Windows-1252 with CR LF line ends.
// Returns false after the export's messages: the file cannot be opened (nothing is written), or
// "Fehler beim Schreiben der Datei!".
bool WriteErrorList(const std::string& path);
