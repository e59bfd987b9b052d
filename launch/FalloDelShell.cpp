#include "launch/FalloDelShell.h"

namespace instalar {

namespace {

// The shell's SE_ERR_* codes, and the system errors that say the same.
struct Equivalencia {
    intptr_t delShell;
    uint32_t delSistema;
};

constexpr intptr_t kSinAsociacion = 31;  // SE_ERR_NOASSOC
constexpr uint32_t kErrorSinAsociacion = 1155;  // ERROR_NO_ASSOCIATION

constexpr Equivalencia kEquivalencias[] = {
    {2, 2},        // SE_ERR_FNF: ERROR_FILE_NOT_FOUND
    {3, 3},        // SE_ERR_PNF: ERROR_PATH_NOT_FOUND
    {5, 5},        // SE_ERR_ACCESSDENIED: ERROR_ACCESS_DENIED
    {8, 8},        // SE_ERR_OOM: ERROR_NOT_ENOUGH_MEMORY
    {26, 32},      // SE_ERR_SHARE: ERROR_SHARING_VIOLATION
    {27, 1155},    // SE_ERR_ASSOCINCOMPLETE: ERROR_NO_ASSOCIATION
    {28, 1460},    // SE_ERR_DDETIMEOUT: ERROR_TIMEOUT
    {29, 1156},    // SE_ERR_DDEFAIL: ERROR_DDE_FAIL
    {30, 1156},    // SE_ERR_DDEBUSY: ERROR_DDE_FAIL
    {31, 1155},    // SE_ERR_NOASSOC: ERROR_NO_ASSOCIATION
    {32, 1157},    // SE_ERR_DLLNOTFOUND: ERROR_DLL_NOT_FOUND
};

// When neither says why: "the function could not be completed", which is
// true, where 0 would claim success.
constexpr uint32_t kErrorNoSePudoCompletar = 1003;  // ERROR_CAN_NOT_COMPLETE

}  // namespace

uint32_t CodigoDelFalloDelShell(uint32_t ultimoError, intptr_t resultado) {
    // A file type without a program: Wine leaves the last error of its own
    // try to run the file as a program, Windows sets ERROR_NO_ASSOCIATION.
    if (resultado == kSinAsociacion) return kErrorSinAsociacion;
    if (ultimoError != 0) return ultimoError;
    for (const Equivalencia& equivalencia : kEquivalencias)
        if (equivalencia.delShell == resultado) return equivalencia.delSistema;
    return kErrorNoSePudoCompletar;
}

}  // namespace instalar
