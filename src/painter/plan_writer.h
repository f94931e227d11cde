#pragma once
// Plans outside the window: one paint of the graphic, drawn by the window's own painter code,
// written as SVG, PDF or PNG.

#include <string>

namespace satzlupe {

enum class PlanFormat { Svg, Pdf, Png, Unknown };

// The format named by the file's extension (case ignored).
PlanFormat PlanFormatOf(const std::string& path);

enum class PlanResult { Written, UnknownFormat, CannotOpen, WriteFailed };

// Draws what one paint of the graphic shows in a client area of width x height pixels and writes
// it to `path` (in the file system's form), in the format of its extension. An existing file is
// replaced only when the new plan has been written completely. Needs a QGuiApplication.
PlanResult WritePlan(const std::string& path, int width, int height);

}  // namespace satzlupe
