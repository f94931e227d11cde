#include "qt_services.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <cstdlib>

#include "load/recent_files.h"
#include "qtext.h"

namespace satzlupe {
namespace {

QWidget* DialogParent() { return QApplication::activeWindow(); }

QString SettingsKey(const std::string& section, const std::string& key) {
  return ToQString(section) + QLatin1Char('/') + ToQString(key);
}

}  // namespace

QString QtPrompt::StartFolder() {
  // A file read since the last chooser (also through the reopen list or the command line) is
  // the last one opened; otherwise the chooser's own last file is.
  const std::string& recent = g_recentFiles[0];
  if (recent != m_seenRecentFile) {
    m_seenRecentFile = recent;
    if (!recent.empty()) m_lastFolder = QFileInfo(PathToQString(recent)).absolutePath();
  }
  return m_lastFolder;
}

std::string QtPrompt::RunFileDialog(const std::string& title, const std::string& filter, bool save) {
  QFileDialog dialog(DialogParent(), ToQString(title), StartFolder());
  // The Qt dialog everywhere, so that the filter reads as the program names it.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setNameFilters(QtNameFilters(ToQString(filter)));
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    // A name typed without an extension gets the one of the chosen filter ("*.gpkg"), none for "*".
    auto takeSuffix = [&dialog](const QString& nameFilter) { dialog.setDefaultSuffix(FilterSuffix(nameFilter)); };
    takeSuffix(dialog.selectedNameFilter());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffix);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  m_lastFolder = QFileInfo(chosen).absolutePath();
  m_seenRecentFile = g_recentFiles[0];
  return QStringToPath(chosen);
}

void QtPrompt::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromLatin1(kProgramName), ToQString(text), QMessageBox::Ok,
                  DialogParent());
  box.exec();
}

edbs::PromptAnswer QtPrompt::AskYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kProgramName), ToQString(text),
                  QMessageBox::Yes | QMessageBox::No, DialogParent());
  box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
  return box.exec() == QMessageBox::Yes ? edbs::PromptAnswer::Yes : edbs::PromptAnswer::No;
}

std::string QtPrompt::ChooseOpenFile(const std::string& title, const std::string& filter) {
  return RunFileDialog(title, filter, false);
}

std::string QtPrompt::ChooseSaveFile(const std::string& title, const std::string& filter) {
  return RunFileDialog(title, filter, true);
}

QString FilterSuffix(const QString& nameFilter) {
  static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
  const QRegularExpressionMatch match = pattern.match(nameFilter);
  return match.hasMatch() ? match.captured(1) : QString();
}

QStringList QtNameFilters(const QString& windowsFilter) {
  QStringList result;
  const QStringList parts = windowsFilter.split(QLatin1Char('|'));
  for (int k = 0; k + 1 < parts.size(); k += 2) {
    if (parts[k].isEmpty()) break;
    QStringList patterns = parts[k + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      if (p == QLatin1String("*.*")) p = QStringLiteral("*");
    }
    // The shown text stays as given; the pattern list behind it is what Qt filters with.
    result << parts[k] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  if (result.isEmpty()) result << QStringLiteral("(*)");
  return result;
}

QtWaitCursor::~QtWaitCursor() {
  if (m_shown && QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
}

void QtWaitCursor::Show(bool wait) {
  if (wait == m_shown) return;
  m_shown = wait;
  if (wait) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (QApplication::overrideCursor()) {
    QApplication::restoreOverrideCursor();
  }
}

QtProfile::QtProfile()
    : m_settings(std::make_unique<QSettings>(QString::fromLatin1(kCompanyName), QString::fromLatin1(kProgramName))) {}

QtProfile::QtProfile(const QString& iniPath) : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

int QtProfile::GetInt(const std::string& section, const std::string& key, int defaultValue) {
  const QVariant v = m_settings->value(SettingsKey(section, key));
  if (!v.isValid()) return defaultValue;
  // Read like the profile reads a number written as text: leading digits, 0 when there are none.
  const QByteArray text = v.toString().toLatin1();
  return static_cast<int>(std::strtol(text.constData(), nullptr, 10));
}

void QtProfile::WriteInt(const std::string& section, const std::string& key, int value) {
  m_settings->setValue(SettingsKey(section, key), value);
}

std::string QtProfile::GetString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) {
  const QVariant v = m_settings->value(SettingsKey(section, key));
  if (!v.isValid()) return defaultValue;
  if (v.typeId() == QMetaType::QByteArray) {
    const QByteArray bytes = v.toByteArray();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
  return QStringToPath(v.toString());
}

void QtProfile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  // Paths are bytes; those that do not survive the trip through a QString are kept as bytes.
  const QString text = PathToQString(value);
  if (QStringToPath(text) == value) {
    m_settings->setValue(SettingsKey(section, key), text);
  } else {
    m_settings->setValue(SettingsKey(section, key), QByteArray(value.data(), static_cast<qsizetype>(value.size())));
  }
}

}  // namespace satzlupe
