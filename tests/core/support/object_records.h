#pragma once
// Object records (FEIN ULOBNN) built from their geometry for the drawing tests: a start point,
// lines with their kind of geometry and support points, and special information with their
// kind, text, kind of geometry and position points. The repetition factors are counted here.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "store/edbs_store.h"
#include "store/keyword_tables.h"
#include "support/edbs_lines.h"

namespace testing_edbs {

// A point field in the signed form: Rechtswert and Hochwert in millimetres.
inline std::string Pt(double x, double y) {
  auto half = [](double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%c%09lld", v < 0 ? '-' : '+', std::llabs(std::llround(v * 1000)));
    return std::string(buf);
  };
  return half(x) + half(y);
}

// A point field of a symbol direction instead of a position: "TT" and hundredths of a gon.
inline std::string Direction(long long gonHundredths) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "TT%018lld", gonHundredths);
  return buf;
}

struct ObjectLine {
  std::string end;    // point field
  std::string kind;   // kind of geometry, 2 characters
  std::vector<std::string> supports = {};
};

struct ObjectInfo {
  std::string infoKind;      // 2 characters
  std::string text;          // up to 33 characters
  std::string geometryKind;  // 2 characters
  std::vector<std::string> points = {};
};

inline std::string Count(std::size_t n) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04zu", n);
  return buf;
}

// The body of an object record behind its header.
inline std::string ObjectBody(const std::string& start, const std::vector<ObjectLine>& lines,
                              const std::vector<ObjectInfo>& infos = {}) {
  std::string body = "0001" "0001" + start + " " + Count(lines.size());
  for (const ObjectLine& l : lines) {
    body += "0001" + l.end + l.kind + "0000" + Count(l.supports.size());
    for (const std::string& s : l.supports) body += s;
  }
  body += Count(infos.empty() ? 0 : 1);
  if (infos.empty()) return body;
  body += "0001" "011" "0100" "00" "T" "0000001" + std::string(9, ' ') + Count(infos.size());
  for (const ObjectInfo& i : infos) {
    std::string text = i.text;
    text.resize(33, ' ');
    body += "0001" + i.infoKind + "K4" + "000000" + text + i.geometryKind + "001" + Count(i.points.size());
    for (const std::string& p : i.points) body += p;
  }
  return body;
}

// Appends an object record with operation key `opKey` ("FEIN", "BSPE", ...) to the store and
// returns its index.
inline int AddObject(const std::string& start, const std::vector<ObjectLine>& lines,
                     const std::vector<ObjectInfo>& infos = {}, const std::string& opKey = "FEIN") {
  const std::string text = Line(opKey, "ULOBNN  ", ObjectBody(start, lines, infos));
  const int index = g_store.GetRecordCount();
  g_store.AddRecord(text, index + 1, LookupOpKey(opKey), LookupInfoName("ULOBNN  "), 0, 0);
  return index;
}

}  // namespace testing_edbs
