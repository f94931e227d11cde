#include "satzlupe_app.h"

#include <clocale>

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "edbs_view.h"
#include "help_window.h"
#include "load/recent_files.h"
#include "main_frame.h"
#include "platform/services.h"
#include "qt_services.h"
#include "views/settings.h"

// Resources live in the static library; this pulls them into every program that links it.
static void InitSatzlupeResources() { Q_INIT_RESOURCE(satzlupe); }

namespace satzlupe {

namespace {
bool g_germanQtLoaded = false;
}

void SetUpApplication() {
  static bool done = false;
  if (done) return;
  done = true;
  InitSatzlupeResources();
  QCoreApplication::setOrganizationName(QString::fromLatin1(kCompanyName));
  QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
  // The drawings name Arial; Liberation Sans has its metrics.
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  // The standard dialogs (files, messages) speak German like the rest of the program.
  auto* translator = new QTranslator(qApp);
  g_germanQtLoaded = translator->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (g_germanQtLoaded) {
    QCoreApplication::installTranslator(translator);
  } else {
    qWarning("Satzlupe: Qt's German translations (qtbase_de.qm) are missing in %s; standard dialogs stay English.",
             qPrintable(QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    delete translator;
  }
}

bool GermanQtTranslationLoaded() { return g_germanQtLoaded; }

CSatzlupeApp::CSatzlupeApp(edbs::Profile* profile)
    : m_profile(profile), m_quitContext(std::make_unique<QObject>()) {
  SetUpApplication();
  if (!m_profile) {
    m_ownProfile = std::make_unique<QtProfile>();
    m_profile = m_ownProfile.get();
  }
}

CSatzlupeApp::~CSatzlupeApp() {
  m_frame.reset();
  edbs::SetPrompt(nullptr);
  edbs::SetHelp(nullptr);
  edbs::SetWaitCursor(nullptr);
}

bool CSatzlupeApp::InitInstance(const QStringList& arguments) {
  // Qt adopts the user's locale at start-up; the core formats its numbers ("%6.2f gon",
  // coordinates) with a decimal point as EDBS and the export expect, whatever the locale says.
  std::setlocale(LC_NUMERIC, "C");
  m_prompt = std::make_unique<QtPrompt>();
  m_help = std::make_unique<QtHelp>();
  m_cursor = std::make_unique<QtWaitCursor>();
  edbs::SetPrompt(m_prompt.get());
  edbs::SetHelp(m_help.get());
  edbs::SetWaitCursor(m_cursor.get());

  LoadSettings(*m_profile);
  LoadRecentFiles(*m_profile);
  // However the program ends, the settings and the reopen list are written on the way out.
  m_exitWritten = false;
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, m_quitContext.get(), [this] { ExitInstance(); });

  m_frame = std::make_unique<CMainFrame>();
  if (!arguments.isEmpty() && !arguments.first().isEmpty()) m_frame->View()->OpenFile(arguments.first());
  m_frame->show();
  return true;
}

void CSatzlupeApp::ExitInstance() {
  if (m_exitWritten) return;
  m_exitWritten = true;
  SaveSettings(*m_profile);
  SaveRecentFiles(*m_profile);
}

}  // namespace satzlupe
