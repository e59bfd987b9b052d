// GCC's default handler for an uncaught exception prints the exception's
// demangled type before aborting; the demangler and the printing code it
// brings in are a quarter of the program.  A window program has nowhere to
// print to, so it just aborts.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
