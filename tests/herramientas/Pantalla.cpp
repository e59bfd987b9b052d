#include "Pantalla.h"

#include <stdexcept>
#include <utility>

#include "Errores.h"
#include "Espera.h"

namespace herramientas {

namespace {

using instalar::win32::DCCreado;
using instalar::win32::DCVentana;
using instalar::win32::MapaBits;

DCCreado NuevoDcDeMemoria() {
    DCCreado dc(CreateCompatibleDC(nullptr));
    if (!dc) Fallar("CreateCompatibleDC");
    return dc;
}

MapaBits NuevoMapaDeBits(HDC dc, int ancho, int alto, void*& bits) {
    if (ancho <= 0 || alto <= 0) throw std::runtime_error("empty capture rectangle");
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = ancho;
    info.bmiHeader.biHeight = -alto;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    MapaBits mapa(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!mapa || !bits) Fallar("cannot make a bitmap");
    return mapa;
}

std::size_t Area(int ancho, int alto) {
    return ancho > 0 && alto > 0 ? static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto) : 0;
}

Captura Dibujar(int ancho, int alto, const std::function<void(HDC, const RECT&)>& dibujar) {
    const Lienzo lienzo(ancho, alto);
    dibujar(lienzo.Dc(), RECT{0, 0, ancho, alto});
    return lienzo.Pixeles();
}

}  // namespace

int PuntosPorPulgada() {
    const DCVentana pantalla(nullptr);
    const int ppp = GetDeviceCaps(pantalla.get(), LOGPIXELSX);
    return ppp > 0 ? ppp : 96;
}

Captura::Captura(const RECT& pantalla) : Captura(ZonaDePantalla(pantalla).Tomar()) {}

Captura::Captura(int ancho, int alto, const std::function<void(HDC, const RECT&)>& dibujar)
    : Captura(Dibujar(ancho, alto, dibujar)) {}

Captura::Captura(int ancho, int alto, std::vector<std::uint32_t> pixeles)
    : ancho_(ancho), alto_(alto), pixeles_(std::move(pixeles)) {
    if (pixeles_.size() != Area(ancho, alto))
        throw std::invalid_argument("a capture of " + std::to_string(ancho) + "x" + std::to_string(alto) +
                                    " pixels given " + std::to_string(pixeles_.size()));
}

COLORREF Captura::En(int x, int y) const {
    if (x < 0 || y < 0 || x >= ancho_ || y >= alto_)
        throw std::out_of_range("pixel (" + std::to_string(x) + "," + std::to_string(y) + ") outside the capture");
    const std::uint32_t p = pixeles_[static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho_) +
                                     static_cast<std::size_t>(x)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

Lienzo::Lienzo(int ancho, int alto)
    : ancho_(ancho),
      alto_(alto),
      dc_(NuevoDcDeMemoria()),
      mapa_(NuevoMapaDeBits(dc_.get(), ancho, alto, bits_)),
      seleccion_(dc_.get(), mapa_.get()) {}

Captura Lienzo::Pixeles() const {
    GdiFlush();
    const auto* primero = static_cast<const std::uint32_t*>(bits_);
    return Captura(ancho_, alto_, std::vector<std::uint32_t>(primero, primero + Area(ancho_, alto_)));
}

ZonaDePantalla::ZonaDePantalla(const RECT& pantalla)
    : zona_(pantalla), lienzo_(pantalla.right - pantalla.left, pantalla.bottom - pantalla.top) {
    if (!pantalla_.get()) Fallar("GetDC");
}

Captura ZonaDePantalla::Tomar() const {
    if (!BitBlt(lienzo_.Dc(), 0, 0, lienzo_.Ancho(), lienzo_.Alto(), pantalla_.get(), zona_.left, zona_.top,
                SRCCOPY | CAPTUREBLT))
        Fallar("cannot copy the screen");
    return lienzo_.Pixeles();
}

COLORREF PixelDePantalla(POINT pantalla) {
    return Captura(RECT{pantalla.x, pantalla.y, pantalla.x + 1, pantalla.y + 1}).En(0, 0);
}

std::string TextoColor(COLORREF color) {
    return "RGB(" + std::to_string(GetRValue(color)) + "," + std::to_string(GetGValue(color)) + "," +
           std::to_string(GetBValue(color)) + ")";
}

std::string DiferenciaDePixeles(const Captura& vista, const Captura& esperada, POINT en) {
    int distintos = 0;
    std::string primero;
    for (int y = 0; y < esperada.Alto(); ++y) {
        for (int x = 0; x < esperada.Ancho(); ++x) {
            const COLORREF visto = vista.En(en.x + x, en.y + y);
            if (visto == esperada.En(x, y)) continue;
            if (distintos++ == 0)
                primero = "first at (" + std::to_string(en.x + x) + "," + std::to_string(en.y + y) +
                          "): " + TextoColor(visto) + " instead of " + TextoColor(esperada.En(x, y));
        }
    }
    if (distintos == 0) return "";
    return std::to_string(distintos) + " pixels differ, " + primero;
}

Captura CapturaQuieta(const std::function<RECT()>& zona, DWORD milisegundos) {
    Captura anterior(zona());
    Esperar(
        [&] {
            Captura ahora(zona());
            const bool quieta = ahora == anterior;
            anterior = std::move(ahora);
            return quieta;
        },
        milisegundos);
    return anterior;
}

}  // namespace herramientas
