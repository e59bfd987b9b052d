#pragma once
// The menu's windows and the focus stops they stand for: the item list
// holds the focus when the menu window itself does.

#include <windows.h>

#include <optional>

#include "window/Foco.h"

namespace instalar::win32 {

struct ParadasWin32 {
    HWND ventana = nullptr;
    HWND instalar = nullptr;
    HWND cerrar = nullptr;

    // None for a window that is none of them (no window, or another's).
    std::optional<ParadaFoco> ParadaDe(HWND foco) const {
        if (!foco) return std::nullopt;
        if (foco == instalar) return ParadaFoco::Instalar;
        if (foco == cerrar) return ParadaFoco::Cerrar;
        if (foco == ventana) return ParadaFoco::Lista;
        return std::nullopt;
    }

    HWND VentanaDe(ParadaFoco parada) const {
        switch (parada) {
        case ParadaFoco::Instalar: return instalar;
        case ParadaFoco::Cerrar: return cerrar;
        case ParadaFoco::Lista: return ventana;
        }
        return ventana;
    }
};

}  // namespace instalar::win32
