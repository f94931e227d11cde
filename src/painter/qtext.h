#pragma once
// The one crossing between core text (Windows-1252 bytes) and QString, and between paths in the
// file system's form and QString. Widgets see QString only; the core sees bytes only.

#include <QString>

#include <string>
#include <string_view>

namespace satzlupe {

// Core text (Windows-1252) to a QString, byte for byte.
QString ToQString(std::string_view coreText);
// A QString to core text; characters without a Windows-1252 byte become '?'.
std::string ToCoreText(const QString& text);

// Paths keep the file system's bytes (g_fileName, g_recentFiles, g_loadedFiles).
QString PathToQString(std::string_view path);
std::string QStringToPath(const QString& path);

}  // namespace satzlupe
