#include "plan_writer.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cctype>

#include "qt_canvas.h"
#include "qtext.h"
#include "views/graphic.h"

namespace satzlupe {
namespace {

// Plans are laid out in screen pixels of 96 dpi, as the window shows them.
constexpr int kPlanDpi = 96;
constexpr double kPointsPerPixel = 72.0 / kPlanDpi;

// The white paper of the window, then the graphic.
void DrawPlan(QPaintDevice& device, int width, int height) {
  QtCanvas canvas(device, QSize(width, height));
  canvas.SelectBrush({255, 255, 255});
  canvas.FillRect(0, 0, width, height);
  DrawGraphic(canvas);
}

bool WritePng(QSaveFile& file, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return false;
  image.setDotsPerMeterX(static_cast<int>(kPlanDpi / 0.0254));
  image.setDotsPerMeterY(static_cast<int>(kPlanDpi / 0.0254));
  DrawPlan(image, width, height);
  return image.save(&file, "PNG");
}

bool WriteSvg(QSaveFile& file, int width, int height) {
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(kPlanDpi);
  svg.setTitle(QStringLiteral("Satzlupe-Plan"));
  DrawPlan(svg, width, height);
  return file.error() == QFileDevice::NoError;
}

bool WritePdf(QSaveFile& file, int width, int height) {
  QPdfWriter pdf(&file);
  pdf.setResolution(kPlanDpi);
  pdf.setCreator(QStringLiteral("Satzlupe"));
  pdf.setTitle(QStringLiteral("Satzlupe-Plan"));
  const QPageSize page(QSizeF(width * kPointsPerPixel, height * kPointsPerPixel), QPageSize::Point, QString(),
                       QPageSize::ExactMatch);
  if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)))) return false;
  DrawPlan(pdf, width, height);
  return file.error() == QFileDevice::NoError;
}

}  // namespace

PlanFormat PlanFormatOf(const std::string& path) {
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return PlanFormat::Unknown;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (ext == "svg") return PlanFormat::Svg;
  if (ext == "pdf") return PlanFormat::Pdf;
  if (ext == "png") return PlanFormat::Png;
  return PlanFormat::Unknown;
}

PlanResult WritePlan(const std::string& path, int width, int height) {
  const PlanFormat format = PlanFormatOf(path);
  if (format == PlanFormat::Unknown) return PlanResult::UnknownFormat;
  QSaveFile file(PathToQString(path));
  if (!file.open(QIODevice::WriteOnly)) return PlanResult::CannotOpen;
  bool drawn = false;
  switch (format) {
    case PlanFormat::Png: drawn = WritePng(file, width, height); break;
    case PlanFormat::Svg: drawn = WriteSvg(file, width, height); break;
    case PlanFormat::Pdf: drawn = WritePdf(file, width, height); break;
    case PlanFormat::Unknown: break;
  }
  if (!drawn) {
    file.cancelWriting();
    return PlanResult::WriteFailed;
  }
  return file.commit() ? PlanResult::Written : PlanResult::WriteFailed;
}

}  // namespace satzlupe
