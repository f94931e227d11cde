#include "gis_export_command.h"

#include <QApplication>
#include <QMessageBox>
#include <QProgressDialog>

#include "gis/gis_export.h"
#include "gis/gis_writer.h"
#include "gis_export_dialog.h"
#include "platform/services.h"
#include "qt_services.h"
#include "qtext.h"

namespace satzlupe {
namespace {

// The conversion asked for last, offered again while the program runs.
int g_lastTargetEpsg = 0;

// Files of an earlier export are replaced only when the user agrees.
bool MayReplace(const std::string& path) {
  const std::vector<std::string> existing = gis::FilesToReplace(path);
  if (existing.empty()) return true;
  QString question = existing.size() == 1 ? QStringLiteral("Die Datei %1 existiert bereits.\nSoll sie ersetzt werden?")
                                                .arg(PathToQString(existing.front()))
                                          : QStringLiteral("Diese Dateien existieren bereits:\n");
  if (existing.size() > 1) {
    for (const std::string& file : existing) question += PathToQString(file) + QLatin1Char('\n');
    question += QStringLiteral("Sollen sie ersetzt werden?");
  }
  return edbs::Prompt().AskYesNo(ToCoreText(question)) == edbs::PromptAnswer::Yes;
}

gis::GisExportResult WriteWithProgress(const gis::GisExportRequest& request, QWidget* parent) {
  QProgressDialog progress(QStringLiteral("GIS-Export wird geschrieben ..."), QString(), 0, 100, parent);
  progress.setObjectName(QStringLiteral("gisExportProgress"));
  progress.setWindowTitle(QStringLiteral("GIS-Export"));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoClose(false);
  progress.setValue(0);
  edbs::Cursor().Show(true);
  gis::GisExportResult result = gis::ExportGis(request, [&progress](int percent) { progress.setValue(percent); });
  edbs::Cursor().Show(false);
  return result;
}

void ShowResult(const gis::GisExportResult& result, QWidget* parent) {
  if (!result.ok) {
    edbs::Prompt().ShowMessage(result.message);
    return;
  }
  // Preformatted, so that the counts line up in columns and no line wraps.
  const QString text = QStringLiteral("<pre>%1</pre>").arg(ToQString(gis::ExportSummary(result)).toHtmlEscaped());
  QMessageBox box(QMessageBox::Information, QString::fromLatin1(kProgramName), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("gisExportResult"));
  box.setTextFormat(Qt::RichText);
  box.exec();
}

}  // namespace

void RunGisExport(QWidget* parent) {
  const std::string path =
      edbs::Prompt().ChooseSaveFile(ToCoreText(QStringLiteral("GIS-Export")), kGisExportFilter);
  if (path.empty()) return;
  const auto format = gis::FormatOfPath(path);
  if (!format) {
    edbs::Prompt().ShowMessage(
        ToCoreText(QStringLiteral("Unbekanntes Ausgabeformat: %1\nMöglich sind .gpkg, .geojson, .shp (oder ein Ordner) und .dxf.")
                       .arg(PathToQString(path))));
    return;
  }
  const QString output = PathToQString(path) + QStringLiteral(" (") + ToQString(std::string(gis::FormatName(*format))) +
                         QStringLiteral(")");
  CGisExportDialog dialog(output, gis::SuggestedEpsg(), g_lastTargetEpsg, parent);
  if (dialog.RunModal() != QDialog::Accepted) return;
  g_lastTargetEpsg = dialog.TargetEpsg();
  if (!MayReplace(path)) return;
  const gis::GisExportResult result = WriteWithProgress({path, dialog.SourceEpsg(), dialog.TargetEpsg()}, parent);
  ShowResult(result, parent);
}

}  // namespace satzlupe
