#include "win32host/LineaDeTexto.h"

#include <vector>

#include "win32host/TextoWin32.h"

namespace instalar::win32 {

namespace {

constexpr char16_t kElipsis[] = u"\u2026";

// Where each character ends, from the line's start, in pixels.
std::vector<int> Finales(HDC dc, const std::u16string& texto) {
    std::vector<int> finales(texto.size());
    SIZE total{};
    if (!::GetTextExtentExPointW(dc, W(texto), static_cast<int>(texto.size()), 0, nullptr, finales.data(), &total))
        return {};
    return finales;
}

// How many characters fit before an ellipsis within `ancho` pixels.
size_t QueCaben(const std::vector<int>& finales, int ancho) {
    size_t caben = 0;
    while (caben < finales.size() && finales[caben] <= ancho) ++caben;
    return caben;
}

}  // namespace

void DibujarLinea(HDC dc, const RECT& caja, const std::u16string& texto, bool derecha) {
    const int ancho = caja.right - caja.left;
    std::u16string linea = texto;
    std::vector<int> finales = Finales(dc, linea);
    if (finales.empty()) return;
    if (finales.back() > ancho) {
        const std::vector<int> elipsis = Finales(dc, kElipsis);
        const int anchoElipsis = elipsis.empty() ? 0 : elipsis.back();
        linea = texto.substr(0, QueCaben(finales, ancho - anchoElipsis)) + kElipsis;
        finales = Finales(dc, linea);
        if (finales.empty()) return;
    }
    std::vector<INT> avances(finales.size());
    for (size_t i = 0; i < finales.size(); ++i) avances[i] = finales[i] - (i == 0 ? 0 : finales[i - 1]);
    const int x = derecha ? caja.right - finales.back() : caja.left;
    ::ExtTextOutW(dc, x, caja.top, ETO_CLIPPED, &caja, W(linea), static_cast<UINT>(linea.size()), avances.data());
}

}  // namespace instalar::win32
