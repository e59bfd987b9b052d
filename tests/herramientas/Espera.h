// Another process answers in its own time: the tools wait for what they
// expect to see, never for a fixed time, and never without a bound.
#pragma once

#include <windows.h>

#include <functional>

namespace herramientas {

// Polls `condicion` every 20 ms until it holds or the time is up; returns
// its last value.
bool Esperar(const std::function<bool()>& condicion, DWORD milisegundos);

}  // namespace herramientas
