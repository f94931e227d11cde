#pragma once
// The statistics over the records in scope (the filter set when one exists, else all): each one
// the lines of the statistics list, Windows-1252 text with tabs between the columns.

#include <string>
#include <vector>

// The thirteen statistics.
enum StatisticKind : int {
  kStatRecordsPerFile = 0,  // "Saetze - Dateien"
  kStatOpKeys,              // "Operationsschluessel"
  kStatInfoNames,           // "Informationsnamen"
  kStatAggregates,          // "Aggregate"
  kStatLayers,              // "Folien"
  kStatObjectKinds,         // "Objektarten"
  kStatObjectKeys,          // "Objektschluessel"
  kStatInfoKinds,           // "Art der Information"
  kStatGeometryKinds,       // "Art der Geometrie"
  kStatFachkennungen,       // "Fachkennungen"
  kStatExtremes,            // "Extremalkoordinaten"
  kStatAttributes,          // "Attribute"
  kStatRepeatCounts,        // "Wiederholungsfaktoren"
};
inline constexpr int kStatisticCount = 13;

// The list's only line before a statistic is chosen.
std::string StatisticsStartLine();

// The lines of one statistic, computed anew from the store and the filter set; no lines for an
// unknown kind.
std::vector<std::string> StatisticLines(int kind);
