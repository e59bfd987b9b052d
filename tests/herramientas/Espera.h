// Another process answers in its own time: the tools wait for what they
// expect to see, never for a fixed time, and never without a bound.
#pragma once

#include <windows.h>

#include <functional>

namespace herramientas {

// Polls `condicion` every 20 ms until it holds or the time is up; returns
// its last value.
bool Esperar(const std::function<bool()>& condicion, DWORD milisegundos);

// The same for a thread that has windows or listens to events of other
// processes: before each look at `condicion` it handles this thread's
// messages, each first offered to `previsualizar` (true: it took it, as a
// program's message loop lets its window preview keys).  WM_QUIT is let go.
bool Atender(const std::function<bool()>& condicion, DWORD milisegundos,
             const std::function<bool(const MSG&)>& previsualizar = nullptr);

}  // namespace herramientas
