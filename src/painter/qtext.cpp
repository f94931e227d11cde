#include "qtext.h"

#include <QByteArray>
#include <QFile>

#include "platform/text.h"

namespace satzlupe {

QString ToQString(std::string_view coreText) {
  const std::string utf8 = edbs::Cp1252ToUtf8(coreText);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToCoreText(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return edbs::Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString PathToQString(std::string_view path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string QStringToPath(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace satzlupe
