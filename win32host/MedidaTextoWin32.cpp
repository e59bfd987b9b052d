#include "win32host/MedidaTextoWin32.h"

#include "win32host/TextoWin32.h"

namespace instalar::win32 {

bool TextoDeUnaLinea(const std::u16string& texto) { return texto.find_first_of(u"&\r\n\t") == std::u16string::npos; }

MedidaTextoWin32::MedidaTextoWin32(const Escala& escala, Fuentes& fuentes)
    : escala_(escala),
      fuentes_(fuentes),
      medidor_(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)),
      fuenteMedidor_(medidor_.get()) {}

void MedidaTextoWin32::CambiarDpi(int dpi) {
    fuenteMedidor_.Devolver();
    fuentes_.FijarDpi(dpi);
}

Tamano MedidaTextoWin32::MedirTexto(const instalar::Fuente& fuente, const std::u16string& texto, double anchoAjuste) {
    fuenteMedidor_.Elegir(fuentes_.Obtener(fuente));
    const double twipsX = escala_.TwipsPorPixelX();
    const double twipsY = escala_.TwipsPorPixelY();
    if (texto.empty()) {
        TEXTMETRICW metricas{};
        ::GetTextMetricsW(medidor_.get(), &metricas);
        return {0, metricas.tmHeight * twipsY};
    }
    if (anchoAjuste <= 0 && TextoDeUnaLinea(texto)) {
        // What DrawText finds for such a text, without its layout pass:
        // measuring is most of loading a menu of thousands of items.
        SIZE medida{};
        ::GetTextExtentPoint32W(medidor_.get(), W(texto), static_cast<int>(texto.size()), &medida);
        return {medida.cx * twipsX, medida.cy * twipsY};
    }
    RECT caja{0, 0, anchoAjuste > 0 ? escala_.Pixeles(anchoAjuste) : 0, 0};
    UINT formato = DT_CALCRECT | DT_LEFT | DT_NOCLIP;
    if (anchoAjuste > 0) formato |= DT_WORDBREAK;
    ::DrawTextW(medidor_.get(), W(texto), static_cast<int>(texto.size()), &caja, formato);
    const double ancho = anchoAjuste > 0 ? anchoAjuste : (caja.right - caja.left) * twipsX;
    return {ancho, (caja.bottom - caja.top) * twipsY};
}

}  // namespace instalar::win32
