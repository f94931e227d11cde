#pragma once
// The state of the lock keys (caps, num and scroll lock) for the status bar's indicators, asked of
// the platform where it tells it: the Windows key state, the X server's keyboard indicators.

#include <optional>

namespace satzlupe {

enum class LockKey { Caps, Num, Scroll };

// On or off where the platform tells it; nothing where it does not (Wayland, offscreen).
std::optional<bool> QueryLockKey(LockKey key);

// Tests put their own answers in place; nullptr restores the platform's.
using LockKeyQuery = std::optional<bool> (*)(LockKey key);
void SetLockKeyQuery(LockKeyQuery query);

}  // namespace satzlupe
