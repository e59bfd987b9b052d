#pragma once
// Why the shell could not open a file, as a system error number whose text
// can be shown.  ShellExecuteEx gives its reason two ways: the thread's last
// error, and an old-style code in its hInstApp field (SE_ERR_*), which is
// sometimes the only one set: the last error is then 0, whose text says
// that the operation succeeded.

#include <cstdint>

namespace instalar {

// The error to report for a failed ShellExecuteEx that left `ultimoError`
// as the last error and `resultado` in hInstApp.  Never 0.
uint32_t CodigoDelFalloDelShell(uint32_t ultimoError, intptr_t resultado);

}  // namespace instalar
