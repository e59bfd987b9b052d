#pragma once
// Nothing may unwind through Windows: every entry from the system into the
// window's code (its procedure, the key preview of the message loop) runs
// under this guard, and an event that throws is simply lost.

namespace instalar::win32 {

template <typename Funcion, typename Resultado>
Resultado Protegido(Funcion&& funcion, Resultado siFalla) noexcept {
    try {
        return funcion();
    } catch (...) {
        return siFalla;
    }
}

}  // namespace instalar::win32
