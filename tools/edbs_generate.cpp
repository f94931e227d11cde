// Writes a synthetic EDBS delivery of any size for benchmarks and tests, the same bytes for the
// same seed and options on every machine. Its proportions follow the real ALK sample delivery
// (satzlupe-cli stats over it): an order header, the file boundary and a user text, then object
// records, nine in ten a single line with its line function, the others an object with special
// informations and their points; a few objects carry so many informations that their record is
// split into a continuation chain A, F ... E, as in the sample; then the end record.
//
//   edbs_generate [-s SIZE] [-n RECORDS] [--seed N] [--fehler PROZENT] [--ketten PROZENT]
//                 [--andere PROZENT] [--crlf] AUSGABE
//
//   -s SIZE          stop at about SIZE bytes (suffix K, M or G; default 10M)
//   -n RECORDS       or at RECORDS object records
//   --fehler P       share of lines with at least one finding of the checks (0..100, default 0)
//   --ketten P       share of object records additionally split into a continuation chain
//   --andere P       share of records of the other kinds: ALK objects, point records,
//                    attributes, deletions by search criterion, geometry operations
//   --crlf           CR LF line ends instead of LF

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

// ---- random choices, identical on every platform (the engine is fixed by the standard; the
// mapping onto ranges is our own, since the standard distributions are not) ----------------------
// Each draw stands in a statement of its own: the language leaves open in which order the operands
// of + and the arguments of a call are evaluated, and compilers differ in it.

class Random {
 public:
  explicit Random(std::uint64_t seed) : m_engine(seed) {}
  // 0 <= result < n.
  int Below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint64_t>(n)); }
  // True with a probability of percent / 100.
  bool Percent(double percent) { return static_cast<double>(m_engine() % 1000000) < percent * 10000.0; }
  double Uniform(double from, double to) {
    return from + (to - from) * static_cast<double>(m_engine() >> 11) / 9007199254740992.0;
  }
  // An index into `weights` chosen in proportion to them.
  template <std::size_t N>
  int Weighted(const std::array<int, N>& weights) {
    int total = 0;
    for (int w : weights) total += w;
    int pick = Below(total);
    for (std::size_t k = 0; k < N; ++k) {
      if (pick < weights[k]) return static_cast<int>(k);
      pick -= weights[k];
    }
    return 0;
  }

 private:
  std::mt19937_64 m_engine;
};

// ---- fields ------------------------------------------------------------------------------------

std::string Whf(int n) {
  char b[16];
  std::snprintf(b, sizeof b, "%04d", n);
  return b;
}

std::string Padded(std::string_view text, std::size_t width) {
  std::string s(text.substr(0, std::min(text.size(), width)));
  s.resize(width);
  return s;
}

// A point in the full numbering-district form of the sample: R = s0 s1 s4 s5 s8 s9 s10 . s11 s12
// s13, H = s2 s3 s6 s7 s14 s15 s16 . s17 s18 s19, millimetres.
std::string Point(double r, double h) {
  char rs[16], hs[16];
  const long long rm = static_cast<long long>(r * 1000.0 + 0.5), hm = static_cast<long long>(h * 1000.0 + 0.5);
  std::snprintf(rs, sizeof rs, "%010lld", rm % 10000000000LL);
  std::snprintf(hs, sizeof hs, "%010lld", hm % 10000000000LL);
  const std::string R(rs), H(hs);
  return R.substr(0, 2) + H.substr(0, 2) + R.substr(2, 2) + H.substr(2, 2) + R.substr(4, 3) + R.substr(7, 3) +
         H.substr(4, 3) + H.substr(7, 3);
}

// The layers and object kinds of the sample, by frequency.
constexpr std::array<const char*, 11> kLayers = {"021", "001", "003", "022", "011", "002",
                                                 "033", "071", "034", "063", "086"};
constexpr std::array<int, 11> kLayerWeights = {12607, 10452, 2426, 2099, 1869, 1626, 1035, 996, 403, 81, 16};
constexpr std::array<const char*, 16> kObjectKinds = {"0118", "0233", "0119", "0151", "6100", "1990",
                                                      "1004", "6200", "1003", "5200", "6300", "0239",
                                                      "2301", "1101", "3101", "0251"};
constexpr std::array<int, 16> kObjectKindWeights = {2292, 543, 447, 179, 175, 169, 157, 137,
                                                    135, 110, 69, 67, 60, 50, 40, 30};
// Special informations: kinds, with the kind of geometry of their points.
constexpr std::array<const char*, 7> kInfoKinds = {"31", "15", "13", "16", "21", "17", "25"};
constexpr std::array<int, 7> kInfoKindWeights = {1719, 801, 610, 351, 80, 15, 1};
// How many special informations an object has: 0 to 6, then the long lists that make chains.
constexpr std::array<int, 12> kInfoCounts = {0, 1, 2, 3, 4, 5, 6, 12, 20, 33, 85, 99};
constexpr std::array<int, 12> kInfoCountWeights = {2294, 2683, 68, 24, 6, 1, 1, 2, 1, 1, 2, 4};

constexpr std::size_t kHeaderWidth = 36;
constexpr std::size_t kMaxLine = 2000;  // length field 1988

class Generator {
 public:
  struct Options {
    long long maxBytes = 10LL << 20;
    long long maxRecords = -1;
    std::uint64_t seed = 1;
    double faultPercent = 0;
    double chainPercent = 0;
    double otherPercent = 0;
    bool crlf = false;
  };

  Generator(const Options& o, std::FILE* out) : m_o(o), m_rng(o.seed), m_out(out) {}

  void Run() {
    Line("AKND", "ULQA0000", OrderHeader(), 287);
    Line("BKRT", "IBENKRT ", Point(kWest, kSouth) + Point(kEast, kNorth));
    Line("BINF", "ULOTEX  ", Whf(1) + Padded("Daten aus Satzlupe", 18));
    for (long long k = 0; !Done(k); ++k) Record();
    Line("AEND", "        ", "");
    Flush();
  }

 private:
  static constexpr double kWest = 5491035.197, kSouth = 5652672.881, kEast = 5496326.613, kNorth = 5656065.261;

  bool Done(long long records) const {
    if (m_o.maxRecords >= 0) return records >= m_o.maxRecords;
    return m_written + static_cast<long long>(m_buffer.size()) >= m_o.maxBytes;
  }

  // ---- lines -----------------------------------------------------------------------------------

  std::string Header(std::string_view op, std::string_view info, std::size_t total, char marker, int searchBegin) {
    char b[64];
    std::snprintf(b, sizeof b, "EDBS%04d%04d%.4s%06d%c 0000%-8.8s", static_cast<int>(total - 12), searchBegin,
                  op.data(), m_number % 1000000, marker, std::string(info).c_str());
    return b;
  }

  // One record: a single line, or a chain when it is too long for one line or chosen to be one.
  void Line(std::string_view op, std::string_view info, const std::string& body, int searchBegin = 0) {
    const bool chosen = m_o.chainPercent > 0 && op == "FEIN" && body.size() > 40 && m_rng.Percent(m_o.chainPercent);
    if (kHeaderWidth + body.size() <= kMaxLine && !chosen) {
      Emit(Header(op, info, kHeaderWidth + body.size(), ' ', searchBegin) + body);
    } else {
      // Every piece keeps at least 8 characters behind its header: a shorter line would be padded
      // with blanks to 44 characters, and the blanks would become part of the joined record.
      constexpr std::size_t kLeast = 8;
      const std::size_t most = kMaxLine - kHeaderWidth - 44;  // room as in the sample's chains
      std::vector<std::string> pieces;
      for (std::size_t at = 0; at < body.size();) {
        const std::size_t left = body.size() - at;
        std::size_t n = std::min(most, left);
        if (chosen && left >= 2 * kLeast) n = std::min(n, kLeast + static_cast<std::size_t>(m_rng.Below(static_cast<int>(left - kLeast))));
        if (left - n < kLeast) n = left <= most ? left : left - kLeast;
        pieces.push_back(body.substr(at, n));
        at += n;
      }
      if (pieces.size() == 1) {  // a chain has at least A and E
        const std::size_t half = pieces[0].size() / 2;
        pieces.push_back(pieces[0].substr(half));
        pieces[0].resize(half);
      }
      for (std::size_t k = 0; k < pieces.size(); ++k) {
        const char m = k == 0 ? 'A' : (k + 1 == pieces.size() ? 'E' : 'F');
        Emit(Header(op, info, kHeaderWidth + pieces[k].size(), m, 0) + pieces[k]);
      }
    }
    ++m_number;
  }

  void Emit(std::string line) {
    if (m_o.faultPercent > 0 && m_rng.Percent(m_o.faultPercent)) Spoil(line);
    m_buffer += line;
    m_buffer += m_o.crlf ? "\r\n" : "\n";
    if (m_buffer.size() >= (1u << 20)) Flush();
  }

  void Flush() {
    std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
    m_written += static_cast<long long>(m_buffer.size());
    m_buffer.clear();
  }

  // A finding of the structural checks or of the analysis on this line.
  void Spoil(std::string& line) {
    switch (m_rng.Below(6)) {
      case 0: {  // the length field does not fit the line
        char b[8];
        std::snprintf(b, sizeof b, "%04d", static_cast<int>((line.size() - 12 + 1 + m_rng.Below(50)) % 10000));
        line.replace(4, 4, b);
        break;
      }
      case 1:  // an unknown operation key
        line.replace(12, 4, "FEIX");
        break;
      case 2:  // an unknown information name
        line.replace(28, 8, "ULXYNN  ");
        break;
      case 3:  // the search criterion would begin behind the line
        line.replace(8, 4, "9999");
        break;
      case 4:  // a character that marks no continuation
        line[23] = '*';
        break;
      default:  // the line no longer ends where its length field says, and it is cut short
        if (line.size() > 60) line.resize(line.size() - 1 - static_cast<std::size_t>(m_rng.Below(20)));
        else line.replace(4, 4, "0000");
        break;
    }
  }

  // ---- record kinds ----------------------------------------------------------------------------

  void Record() {
    if (m_o.otherPercent > 0 && m_rng.Percent(m_o.otherPercent)) {
      OtherRecord();
    } else if (m_rng.Below(38698) < 5088) {
      ObjectRecord();
    } else {
      LineRecord();
    }
  }

  // The next point: a short step from the last one, kept inside the boundary.
  std::string NextPoint() {
    m_r = std::clamp(m_r + m_rng.Uniform(-40.0, 40.0), kWest, kEast);
    m_h = std::clamp(m_h + m_rng.Uniform(-40.0, 40.0), kSouth, kNorth);
    if (m_rng.Below(500) == 0) {  // now and then somewhere else
      m_r = m_rng.Uniform(kWest, kEast);
      m_h = m_rng.Uniform(kSouth, kNorth);
    }
    return Point(m_r, m_h);
  }

  std::string ObjectNumber() {
    static constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string n = "A000000";
    long long v = m_objects++;
    for (int k = 6; k >= 1 && v > 0; --k, v /= 36) n[static_cast<std::size_t>(k)] = kDigits[v % 36];
    return n;
  }

  const char* Layer() { return kLayers[static_cast<std::size_t>(m_rng.Weighted(kLayerWeights))]; }
  const char* ObjectKind() { return kObjectKinds[static_cast<std::size_t>(m_rng.Weighted(kObjectKindWeights))]; }

  // A line from the start point to its end point with one line function, as most of the sample.
  void LineRecord() {
    const char status = static_cast<char>('0' + m_rng.Below(10));
    std::string body = Whf(1) + Whf(1) + NextPoint() + status + Whf(1);
    const int g = m_rng.Below(33610);
    const char* kind = g < 14 ? "22" : (g < 23 ? "21" : "11");
    body += Whf(1) + NextPoint() + kind;
    const std::string number = ObjectNumber();
    const bool right = m_rng.Below(2) == 0;
    const char side = static_cast<char>('0' + m_rng.Below(3));
    const std::string objectKind = ObjectKind();
    const std::string layer = Layer();
    body += Whf(1) + Whf(1) + layer + objectKind + (right ? number : "       ") + (right ? "       " : number) +
            "       " + side;
    body += Whf(0);
    const int supports = m_rng.Below(33610) < 23 ? 1 + m_rng.Below(3) : 0;
    body += Whf(supports);
    for (int k = 0; k < supports; ++k) body += NextPoint();
    body += Whf(0);
    Line("FEIN", "ULOBNN  ", body);
  }

  // An object with its special informations, each with one or two points.
  void ObjectRecord() {
    const char status = static_cast<char>('0' + m_rng.Below(10));
    std::string body = Whf(1) + Whf(1) + NextPoint() + status + Whf(0);
    const std::string kind = ObjectKind();
    const std::string number = ObjectNumber();
    const char* const area = m_rng.Below(2) ? "F" : "L";
    const std::string layer = Layer();
    body += Whf(1) + Whf(1) + layer + kind + "01" + area + number + "  " + "060508" + " ";
    const int infos = kInfoCounts[static_cast<std::size_t>(m_rng.Weighted(kInfoCountWeights))];
    body += Whf(infos);
    for (int k = 0; k < infos; ++k) {
      const std::string infoKind = kInfoKinds[static_cast<std::size_t>(m_rng.Weighted(kInfoKindWeights))];
      std::string text;
      if (infoKind == "13") text = "SF144093" + number.substr(1) + "00000";
      else if (infoKind == "15" || infoKind == "16" || infoKind == "17") text = "HA14526100012340012a   001";
      else if (infoKind == "21") text = "Dorfstr. " + std::to_string(1 + m_rng.Below(120));
      const std::string geometry = infoKind == "31" ? "53" : (m_rng.Below(3) == 0 ? "11" : "51");
      body += Whf(1) + infoKind + "K4" + "  " + kind + Padded(text, 33) + geometry + "   ";
      const int points = m_rng.Below(3577) < 2347 ? 1 : 2;
      body += Whf(points);
      for (int p = 0; p < points; ++p) body += NextPoint();
    }
    Line("FEIN", "ULOBNN  ", body);
  }

  // The record kinds the sample lacks: ALK objects, point records, attributes, deletions,
  // geometry operations.
  void OtherRecord() {
    switch (m_rng.Below(5)) {
      case 0: {
        const std::string number = ObjectNumber();
        const std::string layer = Layer();
        const std::string kind = ObjectKind();
        const std::string textPoint = NextPoint();
        const std::string end = NextPoint();
        const std::string start = NextPoint();
        const std::string body = Whf(1) + Whf(1) + start + "0" + Whf(1) + Whf(1) + end + "11" + Whf(1) + layer + kind +
                                 number + number + "00" + Whf(0) + Whf(1) + Whf(1) + layer + kind + "01" + "F" +
                                 number + "060508" + Whf(1) + Whf(1) + "13" + "K4" + "  " + kind +
                                 Padded("FS14409300001235000000", 33) + "51" + Whf(1) + textPoint;
        Line("FEIN", "ULO8ALK ", body);
        break;
      }
      case 1: {
        const std::string p = NextPoint();
        const std::string body =
            Whf(1) + Whf(1) + "44093000" + "1" + "00012" + "5" + "1" + "LVA SN " + "06" + "01" + "010" + "Stei" +
            Padded("1998 Messung", 15) + Padded("", 15) + "0" + Whf(1) + Padded("Hinweis ME 12", 16) + Whf(1) +
            "100" + p.substr(0, 10) + p.substr(10, 10) + "1" + "00000010" + "1" + "098" + "AZ 4711  " + Whf(0) +
            Whf(0) + Whf(0) + Whf(1) + Whf(2) + "1" + "123456789" + "98063" + "01" + "1" + "1" + Whf(0) + Whf(0);
        Line("FEIN", "ULPUNN  ", body);
        break;
      }
      case 2:
        Line("FEIN", "ULTANN  ",
             Whf(1) + Whf(1) + ObjectNumber() + "000" + "7" + "01" + Whf(2) + "GFK " + "1234567" + "WDM " + "0000042");
        break;
      case 3:
        Line("FLOE", "ULOBNN  ", "ASDLOB2005EQ" + ObjectNumber(), 37);
        break;
      default: {
        char angles[64];
        const int second = m_rng.Below(40000);
        const int first = m_rng.Below(40000);
        std::snprintf(angles, sizeof angles, "TT%018dTT%018d", first, second);
        const std::string to = NextPoint();
        const std::string from = NextPoint();
        Line("FGEO", "ULOVEKDW", Whf(1) + Whf(1) + " " + from + to + Whf(1) + angles);
        break;
      }
    }
  }

  std::string OrderHeader() {
    std::string text = "LV Sachsen    00001A0A010NN" + Padded("B", 11) + "1" + Padded("ALK", 8) +
                       Padded("EDBS-Daten Satzlupe", 32) + "0101" + Padded("", 22) + Padded("OB", 10) +
                       Padded("", 28) + "4A00A000099000020061012061012061013" + Padded("", 26) + "0" +
                       Padded("", 32) + "0" + Padded("", 10) + Padded("0815", 10);
    text.resize(258);
    return Whf(1) + text + "ASDLBE0005EQ" + Padded("geheim", 14);
  }

  Options m_o;
  Random m_rng;
  std::FILE* m_out;
  std::string m_buffer;
  long long m_written = 0;
  int m_number = 0;
  long long m_objects = 3;
  double m_r = 5493700.0, m_h = 5654400.0;
};

long long ParseSize(const std::string& s) {
  char* end = nullptr;
  const double v = std::strtod(s.c_str(), &end);
  long long factor = 1;
  if (end != nullptr && *end != '\0') {
    switch (*end) {
      case 'k': case 'K': factor = 1LL << 10; break;
      case 'm': case 'M': factor = 1LL << 20; break;
      case 'g': case 'G': factor = 1LL << 30; break;
      default: return -1;
    }
  }
  return v >= 0 ? static_cast<long long>(v * static_cast<double>(factor)) : -1;
}

int Usage() {
  std::fprintf(stderr,
               "Aufruf: edbs_generate [-s GROESSE] [-n SAETZE] [--seed N] [--fehler PROZENT] [--ketten PROZENT]\n"
               "                      [--andere PROZENT] [--crlf] AUSGABE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  Generator::Options o;
  std::string out;
  for (int k = 1; k < argc; ++k) {
    const std::string a = argv[k];
    const bool hasValue = k + 1 < argc;
    if (a == "-s" && hasValue) {
      o.maxBytes = ParseSize(argv[++k]);
      if (o.maxBytes < 0) return Usage();
    } else if (a == "-n" && hasValue) {
      o.maxRecords = std::atoll(argv[++k]);
    } else if (a == "--seed" && hasValue) {
      o.seed = std::strtoull(argv[++k], nullptr, 10);
    } else if (a == "--fehler" && hasValue) {
      o.faultPercent = std::atof(argv[++k]);
    } else if (a == "--ketten" && hasValue) {
      o.chainPercent = std::atof(argv[++k]);
    } else if (a == "--andere" && hasValue) {
      o.otherPercent = std::atof(argv[++k]);
    } else if (a == "--crlf") {
      o.crlf = true;
    } else if (!a.empty() && a[0] != '-' && out.empty()) {
      out = a;
    } else {
      return Usage();
    }
  }
  if (out.empty()) return Usage();
  std::FILE* f = out == "-" ? stdout : std::fopen(out.c_str(), "wb");
  if (f == nullptr) {
    std::fprintf(stderr, "Datei kann nicht geschrieben werden: %s\n", out.c_str());
    return 2;
  }
  Generator(o, f).Run();
  const bool ok = std::fflush(f) == 0 && (f == stdout || std::fclose(f) == 0);
  return ok ? 0 : 2;
}
