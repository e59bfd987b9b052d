// Failed Win32 calls as exceptions: the test frameworks and the benchmark
// report them with what was being done and the system's error code.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace herramientas {

class ErrorWin32 : public std::runtime_error {
public:
    ErrorWin32(const std::string& que, DWORD codigo);
    // GetLastError() right after the call failed: callers that can recover
    // from one particular failure tell it by this code.
    DWORD Codigo() const { return codigo_; }

private:
    DWORD codigo_;
};

// Throws ErrorWin32 for `que` with this thread's last error.
[[noreturn]] void Fallar(const std::string& que);

// The system's description of `codigo` as its message table holds it, in
// Spanish where there is one: inserts ("%1") left in place, without the
// line end.  Empty when the system has none.
std::wstring TextoDelSistema(DWORD codigo);
// A system's text with each insert "%1" replaced by `nombre`.
std::wstring ConNombre(std::wstring texto, const std::wstring& nombre);

}  // namespace herramientas
