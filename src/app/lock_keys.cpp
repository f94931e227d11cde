#include "lock_keys.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(SATZLUPE_HAVE_X11)
#include <QtGui/qguiapplication_platform.h>
// Last: Xlib defines macros (None, Bool, KeyPress) that Qt's headers must not see.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#endif

namespace satzlupe {
namespace {

LockKeyQuery g_query = nullptr;

std::optional<bool> PlatformLockKey(LockKey key) {
#if defined(Q_OS_WIN)
  const int code = key == LockKey::Caps ? VK_CAPITAL : key == LockKey::Num ? VK_NUMLOCK : VK_SCROLL;
  return (GetKeyState(code) & 1) != 0;
#elif defined(SATZLUPE_HAVE_X11)
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (display == nullptr) return std::nullopt;
  const char* name = key == LockKey::Caps ? "Caps Lock" : key == LockKey::Num ? "Num Lock" : "Scroll Lock";
  const Atom atom = XInternAtom(display, name, True);
  Bool on = False;
  if (atom == 0 || !XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return std::nullopt;
  return on != False;
#else
  (void)key;
  return std::nullopt;
#endif
}

}  // namespace

std::optional<bool> QueryLockKey(LockKey key) { return g_query ? g_query(key) : PlatformLockKey(key); }

void SetLockKeyQuery(LockKeyQuery query) { g_query = query; }

}  // namespace satzlupe
