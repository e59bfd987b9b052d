#pragma once
// Measuring the labels' text on Windows, in the fonts the window paints with.

#include <windows.h>

#include "interfaces/MedidaTexto.h"
#include "win32host/Escala.h"
#include "win32host/Fuentes.h"
#include "win32host/Manejadores.h"

namespace instalar::win32 {

class MedidaTextoWin32 : public MedidaTexto {
public:
    MedidaTextoWin32(const Escala& escala, Fuentes& fuentes);

    double TwipsPorPixelX() override { return escala_.TwipsPorPixelX(); }
    double TwipsPorPixelY() override { return escala_.TwipsPorPixelY(); }
    Tamano MedirTexto(const instalar::Fuente& fuente, const std::u16string& texto, double anchoAjuste) override;
    // The fonts are made anew for `dpi`, after the measuring DC has let go
    // of the one it held.
    void CambiarDpi(int dpi);

private:
    const Escala& escala_;
    Fuentes& fuentes_;
    // One display DC serves every measurement (a menu may hold thousands of
    // items); it renders text exactly as the window does, which a memory DC
    // with its monochrome bitmap need not.
    DCCreado medidor_;
    ObjetoEnDc fuenteMedidor_;  // after the DC: it lets go of the font first
};

// A text DrawText lays out as a single line with nothing to interpret (no
// line breaks, access keys or tabs): it is drawn and measured directly.
bool TextoDeUnaLinea(const std::u16string& texto);

}  // namespace instalar::win32
