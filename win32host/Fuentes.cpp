#include "win32host/Fuentes.h"

#include <cmath>
#include <cwchar>

#include "win32host/Escala.h"
#include "win32host/TextoWin32.h"

namespace instalar::win32 {

namespace {

template <typename Clave>
bool Es(const Clave& clave, const instalar::Fuente& fuente) {
    return std::get<1>(clave) == fuente.puntos && std::get<2>(clave) == fuente.negrita &&
           std::get<0>(clave) == fuente.nombre;
}

}  // namespace

FuenteGdi FuenteDeMensajes(int dpi) {
    NONCLIENTMETRICSW metricas{};
    metricas.cbSize = sizeof(metricas);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metricas), &metricas, 0);
    LOGFONTW& fuente = metricas.lfMessageFont;
    fuente.lfHeight = ::MulDiv(fuente.lfHeight, dpi, DpiDePantalla());
    return FuenteGdi(::CreateFontIndirectW(&fuente));
}

void Fuentes::FijarDpi(int dpi) {
    dpi_ = dpi;
    creadas_.clear();
    ultima_ = creadas_.end();
}

HFONT Fuentes::Obtener(const instalar::Fuente& fuente) {
    if (ultima_ != creadas_.end() && Es(ultima_->first, fuente)) return ultima_->second.get();
    const Clave clave{fuente.nombre, fuente.puntos, fuente.negrita};
    auto existente = creadas_.find(clave);
    if (existente != creadas_.end()) {
        ultima_ = existente;
        return existente->second.get();
    }

    if (fuente.nombre.empty()) {
        win32::FuenteGdi mensajes = FuenteDeMensajes(dpi_);
        HFONT resultado = mensajes.get();
        ultima_ = creadas_.emplace(clave, std::move(mensajes)).first;
        return resultado;
    }
    LOGFONTW descripcion{};
    descripcion.lfHeight = -static_cast<LONG>(std::lround(fuente.puntos * dpi_ / 72.0));
    descripcion.lfWeight = fuente.negrita ? FW_BOLD : FW_NORMAL;
    descripcion.lfCharSet = DEFAULT_CHARSET;
    descripcion.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(descripcion.lfFaceName, W(fuente.nombre), LF_FACESIZE - 1);
    win32::FuenteGdi creada(::CreateFontIndirectW(&descripcion));
    HFONT resultado = creada.get();
    ultima_ = creadas_.emplace(clave, std::move(creada)).first;
    return resultado;
}

}  // namespace instalar::win32
