#include "win32host/ColoresWin32.h"

namespace instalar::win32 {

bool AltoContrasteActivo() {
    HIGHCONTRASTW contraste{};
    contraste.cbSize = sizeof(contraste);
    if (!::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contraste), &contraste, 0)) return false;
    return (contraste.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

int IndiceDe(ColorSistema color) {
    switch (color) {
    case ColorSistema::Ventana: return COLOR_WINDOW;
    case ColorSistema::TextoVentana: return COLOR_WINDOWTEXT;
    case ColorSistema::CaraBoton: return COLOR_BTNFACE;
    case ColorSistema::MarcoVentana: return COLOR_WINDOWFRAME;
    case ColorSistema::TextoGris: return COLOR_GRAYTEXT;
    }
    return COLOR_WINDOWTEXT;
}

Paleta Paleta::DelSistema() {
    Paleta paleta;
    for (size_t i = 0; i < paleta.sistema_.size(); ++i)
        paleta.sistema_[i] = ::GetSysColor(IndiceDe(static_cast<ColorSistema>(i)));
    return paleta;
}

COLORREF Paleta::operator()(const ColorPintura& color) const {
    if (const Color* fijo = std::get_if<Color>(&color)) return RGB(fijo->r, fijo->g, fijo->b);
    return sistema_[static_cast<size_t>(std::get<ColorSistema>(color))];
}

}  // namespace instalar::win32
