// Ownership of the Win32 handles the test tools open, so that a check that
// throws half-way leaks no handle, DC or GDI object.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace herramientas {

struct CerrarManejador {
    void operator()(HANDLE manejador) const noexcept {
        if (manejador != INVALID_HANDLE_VALUE) CloseHandle(manejador);
    }
};
struct CerrarBusqueda {
    void operator()(HANDLE busqueda) const noexcept {
        if (busqueda != INVALID_HANDLE_VALUE) FindClose(busqueda);
    }
};
struct SoltarDcDePantalla {
    void operator()(HDC dc) const noexcept { ReleaseDC(nullptr, dc); }
};
struct BorrarDc {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct BorrarObjetoGdi {
    void operator()(HGDIOBJ objeto) const noexcept { DeleteObject(objeto); }
};

// Files, processes, threads, snapshots, jobs.  CreateFileW reports failure
// with INVALID_HANDLE_VALUE, which is kept but never closed: compare get()
// with it after opening a file.
using Manejador = std::unique_ptr<void, CerrarManejador>;
// A FindFirstFileW search.
using Busqueda = std::unique_ptr<void, CerrarBusqueda>;
// GetDC(nullptr).
using DcDePantalla = std::unique_ptr<std::remove_pointer_t<HDC>, SoltarDcDePantalla>;
// CreateCompatibleDC.
using DcDeMemoria = std::unique_ptr<std::remove_pointer_t<HDC>, BorrarDc>;
// A bitmap, brush, pen or font.
template <typename Objeto>
using ObjetoGdi = std::unique_ptr<std::remove_pointer_t<Objeto>, BorrarObjetoGdi>;

// An object selected into a DC for the guard's lifetime: a GDI object can
// only be deleted once it is no longer selected.
class SeleccionGdi {
public:
    SeleccionGdi(HDC dc, HGDIOBJ objeto) : dc_(dc), anterior_(SelectObject(dc, objeto)) {}
    ~SeleccionGdi() { SelectObject(dc_, anterior_); }
    SeleccionGdi(const SeleccionGdi&) = delete;
    SeleccionGdi& operator=(const SeleccionGdi&) = delete;

private:
    HDC dc_;
    HGDIOBJ anterior_;
};

}  // namespace herramientas
