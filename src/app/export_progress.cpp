#include "export_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "platform/services.h"
#include "views/export.h"

namespace satzlupe {

bool WriteReadableExportWithProgress(QWidget* parent, const std::string& path) {
  // The closed file dialog leaves its place on the screen before the writing starts.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  edbs::Cursor().Show(true);
  // Owned by the window until the next turn of the event loop, so that its last state can be seen.
  auto* progress = new QProgressDialog(QStringLiteral("Lesbare Text-Datei wird geschrieben ..."), QString(), 0, 100,
                                       parent);
  progress->setObjectName(QStringLiteral("exportProgress"));
  progress->setWindowTitle(QStringLiteral("Lesbar Speichern"));
  progress->setCancelButton(nullptr);
  progress->setWindowModality(Qt::WindowModal);
  progress->setMinimumDuration(500);
  progress->setAutoClose(false);
  progress->setAutoReset(false);
  const bool ok = WriteReadableExport(path, [progress](long long written, long long total) {
    // At most the store's record count, which is an int.
    progress->setMaximum(static_cast<int>(total));
    progress->setValue(static_cast<int>(written));
  });
  progress->hide();
  progress->deleteLater();
  edbs::Cursor().Show(false);
  return ok;
}

}  // namespace satzlupe
