#include "load_cancel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QStatusBar>
#include <QWidget>

#include <utility>

namespace satzlupe {
namespace {

QStatusBar* StatusBarOf(QWidget* view) {
  auto* window = qobject_cast<QMainWindow*>(view->window());
  return window != nullptr ? window->statusBar() : nullptr;
}

// What the user does with keys, mouse and window frame; held back while a load runs.
bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Drop:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace

LoadCancelWatch::LoadCancelWatch(QWidget* view) : m_view(view) {
  edbs::SetCancel(this);
  if (QStatusBar* bar = StatusBarOf(m_view)) bar->showMessage(QStringLiteral("Esc bricht das Lesen ab."));
}

LoadCancelWatch::~LoadCancelWatch() {
  edbs::SetCancel(nullptr);
  if (QStatusBar* bar = StatusBarOf(m_view)) bar->clearMessage();
}

bool LoadCancelWatch::Cancelled() {
  // Only while Qt delivers here: a message box the load shows afterwards takes input as usual.
  QCoreApplication::instance()->installEventFilter(this);
  QCoreApplication::processEvents();
  QCoreApplication::instance()->removeEventFilter(this);
  return std::exchange(m_cancelled, false);
}

bool LoadCancelWatch::eventFilter(QObject* watched, QEvent* event) {
  if (!IsUserInput(event->type())) return QObject::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    m_cancelled = true;
  }
  return true;
}

}  // namespace satzlupe
