#pragma once
// COM as the program uses it: started on a thread through ole32 loaded at
// run time, and a COM object's reference, released when it goes.

#include <windows.h>

#include <objbase.h>

#include <optional>
#include <utility>

#include "win32host/BibliotecasSistema.h"

namespace instalar::win32 {

// CoInitializeEx on this thread, in a single-threaded apartment with
// `opciones` beside it, from the ole32 that `ole` holds; its answer, or
// none when that ole32 has no such function.  The thread keeps COM until it
// ends or calls CoUninitialize.
inline std::optional<HRESULT> IniciarCom(const Biblioteca& ole, DWORD opciones = 0) {
    using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
    const auto coInitializeEx = FuncionDe<CoInitializeExFn>(ole, "CoInitializeEx");
    if (!coInitializeEx) return std::nullopt;
    return coInitializeEx(nullptr, COINIT_APARTMENTTHREADED | opciones);
}

template <typename T>
class Referencia {
public:
    Referencia() = default;
    // Takes over a reference the caller holds.
    explicit Referencia(T* objeto) : objeto_(objeto) {}
    ~Referencia() { Restablecer(); }
    Referencia(const Referencia&) = delete;
    Referencia& operator=(const Referencia&) = delete;
    Referencia(Referencia&& otra) noexcept : objeto_(std::exchange(otra.objeto_, nullptr)) {}
    Referencia& operator=(Referencia&& otra) noexcept {
        if (this != &otra) {
            Restablecer();
            objeto_ = std::exchange(otra.objeto_, nullptr);
        }
        return *this;
    }

    T* get() const { return objeto_; }
    T* operator->() const { return objeto_; }
    explicit operator bool() const { return objeto_ != nullptr; }
    void Restablecer() {
        if (objeto_) std::exchange(objeto_, nullptr)->Release();
    }

private:
    T* objeto_ = nullptr;
};

}  // namespace instalar::win32
