#include "records/parser.h"

#include <utility>

#include "records/part_classes.h"
#include "store/keyword_tables.h"

namespace {

// Information-name indexes the grammar selects on.
enum InfoName : int {
  kUlobnn = 0,
  kUlo8alk = 1,
  kUltann = 2,
  kUlpunn = 3,
  kUlob210f = 6,
  kUlta1000 = 7,
  kUlovekdw = 25,
  kUlotex = 26,
  kUlqa0000 = 27,
  kUlodatum = 28,
  kIbenkrt = 29,
};

// One parse: each step places one part at the cursor; the first failing step ends the parse with
// its error code.
class CRecordParser {
 public:
  CRecordParser(std::string_view text, int opKeyIndex, int infoNameIndex, PartPlacements& parts)
      : m_text(text), m_op(opKeyIndex), m_in(infoNameIndex), m_parts(parts) {}

  int Run() {
    const int op = m_op;
    const int in = m_in;
    g_parsePos = 0;
    if (!Add<CSatzanfangPart>(kPtAnfang)) return m_error;
    const bool ok = ObjectBlock(op, in) && SpecialInfoBlock(op, in) && OperationBlock(op, in) &&
                    AttributeBlock(op, in) && AttributeHeaderBlock(op, in) && PointBlock(op, in) &&
                    OrderHeaderBlock(op, in) && SearchCriterionBlock(op) && BoundaryBlock(in) &&
                    UserTextBlock(in) && DateBlock(in);
    if (!ok) return m_error;
    return -static_cast<int>(m_parts.size());
  }

 private:
  // Places a part of `type` whether or not it could read its characters. A part of fixed width is
  // measured; any other is built (with `args`) to see how far it reads.
  template <typename Part, typename... Args>
  bool Add(int type, Args&&... args) {
    const std::int32_t at = g_parsePos;
    int error = 0;
    if constexpr (FixedWidthPart<Part>) {
      const std::size_t width = Part::Width(type);
      if (HasRoom(at, width)) {
        g_parsePos = at + static_cast<std::int32_t>(width);
      } else {
        error = 100 + type;
      }
    } else {
      const Part part(error, std::forward<Args>(args)...);
    }
    m_parts.push_back({type, static_cast<std::uint32_t>(at)});
    if (error != 0) {
      m_error = error;
      return false;
    }
    return true;
  }

  // A repetition factor of part type `type` whose count goes into `counter`.
  bool Whf(int type, int& counter) {
    const std::int32_t at = g_parsePos;
    m_parts.push_back({type, static_cast<std::uint32_t>(at)});
    const std::size_t width = CWhfPart::Width(type);
    if (!HasRoom(at, width)) {
      counter = 0;
      m_error = 100 + type;
      return false;
    }
    counter = CWhfPart::CountOf(std::string_view(m_text.data() + at, width));
    g_parsePos = at + static_cast<std::int32_t>(width);
    return true;
  }

  // The parse text holds `width` characters from `at` on (the cursor's own test, on the text kept).
  bool HasRoom(std::int32_t at, std::size_t width) const {
    return at >= 0 && m_text.size() >= static_cast<std::size_t>(at) + width;
  }

  // A repetition factor whose count must be 1.
  bool WhfOne(int type, int& counter) {
    if (!Whf(type, counter)) return false;
    if (counter != 1) {
      m_error = 300 + type;
      return false;
    }
    return true;
  }

  // Runs body `counter` times, reading the counter anew before every round.
  template <typename Body>
  bool Repeat(const int& counter, Body body) {
    for (int k = 0; k < counter; ++k) {
      if (!body()) return false;
    }
    return true;
  }

  bool HasRest() const { return static_cast<std::size_t>(g_parsePos) < m_text.size(); }

  bool ObjectBlock(int op, int in) {
    if (!((op == kFEIN || op == kBSPE) && (in == kUlobnn || in == kUlo8alk))) return true;
    const bool alk = in == kUlo8alk;
    if (!WhfOne(31, m_c1) || !WhfOne(32, m_c1) || !Add<CUlob0000Part>(kPtUlob0000) || !Whf(33, m_c1)) return false;
    const bool lines = Repeat(m_c1, [&] {
      if (!WhfOne(34, m_c2) || !Add<CUlob1000Part>(kPtUlob1000)) return false;
      if (!alk) {
        if (!Whf(35, m_c2)) return false;
        const bool functions = Repeat(m_c2, [&] {
          return WhfOne(36, m_c3) && Add<CUlob1100Part>(kPtUlob1100) && Whf(38, m_c3) &&
                 Repeat(m_c3, [&] { return Add<CUlob1110Part>(kPtUlob1110); });
        });
        if (!functions) return false;
      } else {
        if (!Whf(37, m_c3) || !Repeat(m_c3, [&] { return Add<CUlob1100Part>(kPtUlo11Alk); })) return false;
      }
      return Whf(39, m_c2) && Repeat(m_c2, [&] { return Add<CUlob1200Part>(kPtUlob1200); });
    });
    if (!lines || !Whf(40, m_c1)) return false;
    const bool objects = Repeat(m_c1, [&] {
      const bool function = alk ? WhfOne(42, m_c2) && Add<CUlob2000Part>(kPtUlo20Alk)
                                : WhfOne(41, m_c2) && Add<CUlob2000Part>(kPtUlob2000);
      return function && Whf(43, m_c2) && Repeat(m_c2, [&] {
               const bool info = alk ? WhfOne(45, m_c3) && Add<CUlob2100Part>(kPtUlo21Alk)
                                     : WhfOne(44, m_c3) && Add<CUlob2100Part>(kPtUlob2100);
               return info && Whf(46, m_c3) && Repeat(m_c3, [&] { return Add<CUlob2110Part>(kPtUlob2110); });
             });
    });
    if (!objects) return false;
    m_rest = HasRest();
    return true;
  }

  bool SpecialInfoBlock(int op, int in) {
    if (!(op == kFEIN && in == kUlob210f)) return true;
    if (!Whf(43, m_c2)) return false;
    const bool infos = Repeat(m_c2, [&] {
      return WhfOne(44, m_c3) && Add<CUlob2100Part>(kPtUlob2100) && Whf(46, m_c3) &&
             Repeat(m_c3, [&] { return Add<CUlob2110Part>(kPtUlob2110); });
    });
    if (!infos) return false;
    m_rest = HasRest();
    return true;
  }

  bool OperationBlock(int op, int in) {
    if (!(op == kFGEO && in == kUlovekdw)) return true;
    if (!Whf(61, m_c1)) return false;
    return Repeat(m_c1, [&] {
      return Whf(62, m_c2) && Repeat(m_c2, [&] { return Add<CUlovek00Part>(kPtUlovek00); }) && Whf(63, m_c2) &&
             Repeat(m_c2, [&] { return Add<CUlodre00Part>(kPtUlodre00); });
    });
  }

  bool AttributeBlock(int op, int in) {
    if (!((op == kFEIN || op == kBSPE || op == kFAEN) && in == kUlta1000)) return true;
    if (!Whf(49, m_c1) || !Repeat(m_c1, [&] { return Add<CUlta1000Part>(kPtUlta1000); })) return false;
    m_rest = HasRest();
    return true;
  }

  bool AttributeHeaderBlock(int op, int in) {
    if (!((op == kFEIN || op == kBSPE) && in == kUltann)) return true;
    return WhfOne(47, m_c1) && WhfOne(48, m_c1) && Add<CUlta0000Part>(kPtUlta0000) && Whf(49, m_c1) &&
           Repeat(m_c1, [&] { return Add<CUlta1000Part>(kPtUlta1000); });
  }

  bool PointBlock(int op, int in) {
    if (!((op == kFEIN || op == kBSPE) && in == kUlpunn)) return true;
    if (!WhfOne(50, m_c1) || !WhfOne(51, m_c1) || !Add<CUlpu0000Part>(kPtUlpu0000)) return false;
    if (!Whf(52, m_c1) || !Repeat(m_c1, [&] { return Add<CUlpu1000Part>(kPtUlpu1000); })) return false;
    if (!Whf(53, m_c1) || !Repeat(m_c1, [&] { return Add<CUlpu2000Part>(kPtUlpu2000); })) return false;
    if (!Whf(54, m_c1) || !Repeat(m_c1, [&] { return Add<CUlpu3000Part>(kPtUlpu3000); })) return false;
    if (!Whf(55, m_c1) || !Repeat(m_c1, [&] { return Add<CUlpu4000Part>(kPtUlpu4000); })) return false;
    if (!Whf(56, m_c1) || !Repeat(m_c1, [&] { return Add<CUlpu5000Part>(kPtUlpu5000); })) return false;
    if (!WhfOne(57, m_c1)) return false;
    const bool controlPoints = Repeat(m_c1, [&] {
      if (!Whf(58, m_c2)) return false;
      if (m_c2 != 2) {
        m_error = 358;
        return false;
      }
      return Add<CUlpu6000Part>(kPtUlpu6000) && Whf(59, m_c3) && Repeat(m_c3, [&] { return Add<CUlpu6100Part>(kPtUlpu6100); });
    });
    if (!controlPoints) return false;
    return Whf(60, m_c1) && Repeat(m_c1, [&] { return Add<CUlpu7000Part>(kPtUlpu7000); });
  }

  bool OrderHeaderBlock(int op, int in) {
    if (!(op == kAKND && in == kUlqa0000)) return true;
    return WhfOne(64, m_c1) && Add<CUlqa0000Part>(kPtUlqa0000);
  }

  bool SearchCriterionBlock(int op) {
    if (op == kFLOE || op == kFAEN) {
      // A change record without data carries its criterion two characters behind the header.
      if (op == kFAEN && !m_rest) g_parsePos = 38;
      return Add<CSuchkriteriumPart>(kPtSuchkrit, m_in);
    }
    if (!m_rest) return true;
    return Add<CSuchkriteriumPart>(kPtSuchkrit, m_in);
  }

  bool BoundaryBlock(int in) { return in != kIbenkrt || Add<CBegrenzungPart>(kPtIbenkrt); }

  bool UserTextBlock(int in) {
    if (in != kUlotex) return true;
    if (!Whf(65, m_c1)) return false;
    if (static_cast<long long>(m_text.size()) != 40 + 18LL * m_c1) {
      m_error = 365;
      return false;
    }
    return Add<CUlotexPart>(kPtUlotex);
  }

  bool DateBlock(int in) {
    if (in != kUlodatum) return true;
    return WhfOne(66, m_c1) && Add<CUlodatumPart>(kPtUlodatum);
  }

  const std::string_view m_text;  // the text the cursor points at
  const int m_op;
  const int m_in;
  PartPlacements& m_parts;
  int m_c1 = 0, m_c2 = 0, m_c3 = 0;
  bool m_rest = false;
  int m_error = 0;
};

}  // namespace

int ParseRecord(std::string_view text, int opKeyIndex, int infoNameIndex, PartPlacements& parts) {
  parts.clear();
  const CParseCursor cursor(text, 0);
  return CRecordParser(text, opKeyIndex, infoNameIndex, parts).Run();
}
