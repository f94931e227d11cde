#pragma once
// The readable text export of the records (all, or the filter set when one exists).

#include <functional>
#include <string>

// Told how many of the records to write are written, about a hundred times during a long export
// and once at its end.
using ExportProgress = std::function<void(long long written, long long total)>;

// Writes the export to `path` in Windows-1252 with CR LF line ends, in the form of
// g_settings.Kurzform. Returns false, after the message that the file cannot be opened, when it
// cannot be opened; nothing is written then.
bool WriteReadableExport(const std::string& path, const ExportProgress& progress = {});
// The export text as it would be written (line ends as '\n').
std::string ReadableExportText(bool longForm);
