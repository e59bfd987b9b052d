#include "platform/win32/Fuentes.h"

#include <cmath>
#include <cwchar>

#include "platform/win32/TextoWin32.h"

namespace instalar::win32 {

HFONT Fuentes::Obtener(const instalar::Fuente& fuente) {
    const Clave clave{fuente.nombre, fuente.puntos, fuente.negrita};
    auto existente = creadas_.find(clave);
    if (existente != creadas_.end()) return existente->second.get();

    LOGFONTW descripcion{};
    descripcion.lfHeight = -static_cast<LONG>(std::lround(fuente.puntos * dpi_ / 72.0));
    descripcion.lfWeight = fuente.negrita ? FW_BOLD : FW_NORMAL;
    descripcion.lfCharSet = DEFAULT_CHARSET;
    descripcion.lfQuality = DEFAULT_QUALITY;
    std::wcsncpy(descripcion.lfFaceName, W(fuente.nombre), LF_FACESIZE - 1);
    win32::Fuente creada(::CreateFontIndirectW(&descripcion));
    HFONT resultado = creada.get();
    creadas_.emplace(clave, std::move(creada));
    return resultado;
}

}  // namespace instalar::win32
