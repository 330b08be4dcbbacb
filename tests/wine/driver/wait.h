// Bounded waiting. Nothing in the window tests waits without a limit.
#pragma once

#include <windows.h>

#include <functional>

// Long enough for a Wine process to start under qemu several times over.
constexpr DWORD kWaitMs = 20000;

// Calls done() every stepMs until it returns true (result true) or
// timeoutMs have passed (result false).
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kWaitMs, DWORD stepMs = 25);
