// satzlupe-cli plan: what one paint of the graphic shows, written as SVG, PDF or PNG by the
// window's own painter code, or printed as the drawing log.

#include <QGuiApplication>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli_common.h"
#include "filter_options.h"
#include "load/file_reader.h"
#include "plan_writer.h"
#include "platform/cp1252_literal.h"
#include "platform/recording_canvas.h"
#include "platform/services.h"
#include "platform/text.h"
#include "views/graphic.h"
#include "views/settings.h"
#include "views/view_state.h"

namespace cli {
namespace {

constexpr const char* kPlanUsage =
    "Aufruf: satzlupe-cli plan [--size BxH] [--modus 0|1] [--gitter] [--beschriftung] [--auto]\n"
    "                          [--abstand S] [--zoom Z] [--pan X Y] [--texthoehe H]\n"
    "                          [FILTER...] DATEI... (-o PLAN.svg|PLAN.pdf|PLAN.png | --log)\n";

// Larger plans do not fit into an image in memory.
constexpr int kMaxPlanSide = 16384;

struct PlanOptions {
  int width = 800;
  int height = 600;
  std::string output;
  bool log = false;
  std::vector<std::string> files;
  Settings settings;  // the defaults, but for the grid
  int graphicMode = 1;
  double textHeight = 5.0;
  double zoom = 1.0;
  double panX = 0.0, panY = 0.0;
};

// A load starts the graphic afresh, so the plan's view is set after the files are read.
void ApplyView(const PlanOptions& o) {
  g_settings = o.settings;
  g_graphicMode = o.graphicMode;
  g_textHeight = o.textHeight;
  g_viewZoom = o.zoom;
  g_viewPanX = o.panX;
  g_viewPanY = o.panY;
}

std::string Utf8(const char* coreText) { return edbs::Cp1252ToUtf8(coreText); }

// A decimal number, with a point or a comma; nothing else may follow it.
std::optional<double> Number(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::optional<int> Side(const std::string& text) {
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 6) return std::nullopt;
  const int v = std::atoi(text.c_str());
  if (v < 1 || v > kMaxPlanSide) return std::nullopt;
  return v;
}

bool ParseSize(const std::string& text, PlanOptions& o) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  const auto w = Side(text.substr(0, x));
  const auto h = Side(text.substr(x + 1));
  if (!w || !h) return false;
  o.width = *w;
  o.height = *h;
  return true;
}

// Reads the options into `o`; `error` (UTF-8) names what is wrong.
bool ParseOptions(const std::vector<std::string>& args, PlanOptions& o, std::string& error) {
  auto value = [&](std::size_t& k) -> const std::string* { return k + 1 < args.size() ? &args[++k] : nullptr; };
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const std::string* v = nullptr;
    if (a == "--gitter") {
      o.settings.Gitternetz = true;
    } else if (a == "--beschriftung") {
      o.settings.Gitterschrift = true;
    } else if (a == "--auto") {
      o.settings.Gitterauto = true;
    } else if (a == "--log") {
      o.log = true;
    } else if (a == "-o") {
      if (!(v = value(k))) return error = "-o ohne Ausgabedatei", false;
      o.output = *v;
    } else if (a == "--size") {
      if (!(v = value(k)) || !ParseSize(*v, o)) {
        return error = "--size erwartet BREITExHOEHE in Pixeln, je 1 bis " + std::to_string(kMaxPlanSide), false;
      }
    } else if (a == "--modus") {
      if (!(v = value(k)) || (*v != "0" && *v != "1")) return error = "--modus erwartet 0 oder 1", false;
      o.graphicMode = *v == "0" ? 0 : 1;
    } else if (a == "--abstand") {
      const auto s = (v = value(k)) ? Number(*v) : std::nullopt;
      if (!s || *s <= 0) return error = Utf8(CP("--abstand erwartet einen Abstand in Metern größer als 0")), false;
      o.settings.Gitterabstand = *s;
    } else if (a == "--zoom") {
      const auto z = (v = value(k)) ? Number(*v) : std::nullopt;
      if (!z || *z <= 0) return error = Utf8(CP("--zoom erwartet einen Faktor größer als 0")), false;
      o.zoom = *z;
    } else if (a == "--pan") {
      const auto x = (v = value(k)) ? Number(*v) : std::nullopt;
      const auto y = x && (v = value(k)) ? Number(*v) : std::nullopt;
      if (!x || !y) return error = "--pan erwartet zwei Zahlen in Metern", false;
      o.panX = *x;
      o.panY = *y;
    } else if (a == "--texthoehe") {
      const auto h = (v = value(k)) ? Number(*v) : std::nullopt;
      if (!h || *h < 0.001 || *h > 1000) return error = Utf8(CP("--texthoehe erwartet eine Höhe von 0.001 bis 1000 Metern")), false;
      o.textHeight = *h;
    } else if (a.size() > 1 && a[0] == '-') {
      return error = "unbekannte Option " + a, false;
    } else {
      o.files.push_back(a);
    }
  }
  if (o.files.empty()) return error = "keine EDBS-Datei angegeben", false;
  if (o.log == !o.output.empty()) return error = "genau eines von -o PLAN und --log angeben", false;
  if (!o.log && satzlupe::PlanFormatOf(o.output) == satzlupe::PlanFormat::Unknown) {
    return error = o.output + Utf8(CP(": die Endung wählt kein Format (.svg, .pdf oder .png)")), false;
  }
  return true;
}

void PrintLog(int width, int height) {
  edbs::RecordingCanvas dc(width, height);
  DrawGraphic(dc);
  const std::string& log = dc.Log();
  std::fwrite(log.data(), 1, log.size(), stdout);
}

// Qt's own notes on a bare session (no XDG_RUNTIME_DIR, a font substituted) are not the batch
// tool's output; only its errors reach standard error.
void KeepQtErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

int WriteOutput(const std::string& path, int width, int height) {
  // Fonts and painting need a Qt application; the batch tool never opens a window.
  int argc = 3;
  char name[] = "satzlupe-cli", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {name, option, platform, nullptr};
  qInstallMessageHandler(KeepQtErrorsOnly);
  const QGuiApplication app(argc, argv);
  // Qt adopts the user's locale; the core writes its numbers with a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  g_fileName = path;  // names the output in the message
  switch (satzlupe::WritePlan(path, width, height)) {
    case satzlupe::PlanResult::Written: return kExitOk;
    case satzlupe::PlanResult::CannotOpen:
      edbs::Prompt().ShowMessage(CP("Datei kann nicht geöffnet werden!"));
      return kExitCannotOpen;
    case satzlupe::PlanResult::WriteFailed:
    case satzlupe::PlanResult::UnknownFormat: break;
  }
  edbs::Prompt().ShowMessage("Fehler beim Schreiben der Datei!");
  return kExitCannotOpen;
}

}  // namespace

int RunPlan(const std::vector<std::string>& givenArgs) {
  std::vector<std::string> args = givenArgs;
  FilterOptions filters;
  if (const int usage = TakeFilterOptions(args, filters); usage != kExitOk) return usage;
  PlanOptions options;
  std::string error;
  if (!ParseOptions(args, options, error)) {
    std::cerr << "satzlupe-cli plan: " << error << "\n" << kPlanUsage;
    return kExitCannotOpen;
  }
  int status = LoadAll(options.files);
  ApplyView(options);
  // The filter set is drawn in red, or alone in graphic mode 0.
  if (ApplyFilterOptions(filters) != kExitOk) return kExitFilterMessage;
  if (options.log) {
    PrintLog(options.width, options.height);
  } else if (WriteOutput(options.output, options.width, options.height) != kExitOk) {
    status = kExitCannotOpen;
  }
  return status;
}

}  // namespace cli
