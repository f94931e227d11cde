#pragma once
// The readable text export of the records (all, or the filter set when one exists).

#include <string>

// Writes the export to `path` in Windows-1252 with CR LF line ends, in the form of
// g_settings.Kurzform. Returns false, after the message "Datei kann nicht geöffnet werden!",
// when the file cannot be opened; nothing is written then.
bool WriteReadableExport(const std::string& path);
// The export text as it would be written (line ends as '\n').
std::string ReadableExportText(bool longForm);
