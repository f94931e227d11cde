#pragma once
// Writing the readable export from the desktop program: the wait cursor and a progress dialog
// while it writes, after the file dialog has left the screen.

#include <string>

class QWidget;

namespace satzlupe {

// Writes the export to `path` as "Lesbar Speichern ..." does; false when it could not be written
// (the core has said why).
bool WriteReadableExportWithProgress(QWidget* parent, const std::string& path);

}  // namespace satzlupe
