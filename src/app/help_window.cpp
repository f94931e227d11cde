#include "help_window.h"

#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QHBoxLayout>

namespace satzlupe {
namespace {

const QHash<int, QString>& TopicMap() {
  static const QHash<int, QString> map = [] {
    QHash<int, QString> m;
    QFile file(QStringLiteral(":/help/map.txt"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return m;
    while (!file.atEnd()) {
      const QString line = QString::fromUtf8(file.readLine()).trimmed();
      if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
      const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
      if (fields.size() < 2) continue;
      bool ok = false;
      const int id = fields[0].toInt(&ok, 0);
      if (ok) m.insert(id, fields[1]);
    }
    return m;
  }();
  return map;
}

}  // namespace

QUrl HelpTopicUrl(int contextId) {
  const auto it = TopicMap().find(contextId);
  if (it == TopicMap().end()) return {};
  return QUrl(QStringLiteral("qrc:/help/") + it.value());
}

QUrl HelpContentsUrl() { return QUrl(QStringLiteral("qrc:/help/index.html")); }

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("helpWindow"));
  // Closing the main window ends the program, also while the help is open beside it.
  setAttribute(Qt::WA_QuitOnClose, false);
  setWindowTitle(QStringLiteral("Satzlupe - Hilfe"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/satzlupe.png")));
  m_browser = new QTextBrowser(this);
  m_browser->setObjectName(QStringLiteral("helpBrowser"));
  m_browser->setOpenLinks(true);
  QFile css(QStringLiteral(":/help/style.css"));
  if (css.open(QIODevice::ReadOnly)) m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
  auto* contents = new QPushButton(QStringLiteral("&Inhalt"), this);
  auto* back = new QPushButton(QStringLiteral("&Zurück"), this);
  auto* close = new QPushButton(QStringLiteral("&Schließen"), this);
  connect(contents, &QPushButton::clicked, this, [this] { ShowPage(HelpContentsUrl()); });
  connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(m_browser);
  resize(560, 480);
}

void HelpWindow::ShowPage(const QUrl& url) { m_browser->setSource(url); }

QUrl HelpWindow::CurrentPage() const { return m_browser->source(); }

QtHelp::~QtHelp() { delete m_window; }

HelpWindow* QtHelp::EnsureWindow() {
  if (!m_window) m_window = new HelpWindow;
  return m_window;
}

void QtHelp::ShowTopic(int contextId) {
  const QUrl url = HelpTopicUrl(contextId);
  HelpWindow* w = EnsureWindow();
  w->ShowPage(url.isEmpty() ? HelpContentsUrl() : url);
  w->show();
  w->raise();
  w->activateWindow();
}

void QtHelp::ShowContents() { ShowTopic(-1); }

}  // namespace satzlupe
