#pragma once
// The menu's windows and the focus stops they stand for: the item list
// holds the focus when the menu window itself does.

#include <windows.h>

#include <optional>

#include "window/Foco.h"

namespace instalar::win32 {

struct ParadasWin32 {
    HWND ventana = nullptr;
    HWND btnInstalar = nullptr;
    HWND btnCerrar = nullptr;

    // None for a window that is none of them (no window, or another's).
    std::optional<ParadaFoco> ParadaDe(HWND foco) const {
        if (!foco) return std::nullopt;
        if (foco == btnInstalar) return ParadaFoco::Instalar;
        if (foco == btnCerrar) return ParadaFoco::Cerrar;
        if (foco == ventana) return ParadaFoco::Lista;
        return std::nullopt;
    }

    HWND VentanaDe(ParadaFoco parada) const {
        switch (parada) {
        case ParadaFoco::Instalar: return btnInstalar;
        case ParadaFoco::Cerrar: return btnCerrar;
        case ParadaFoco::Lista: return ventana;
        }
        return ventana;
    }
};

}  // namespace instalar::win32
