#include "win32host/Lienzo.h"

#include <utility>

namespace instalar::win32 {

SIZE TamanoCliente(HWND ventana) {
    RECT cliente{};
    ::GetClientRect(ventana, &cliente);
    return SIZE{cliente.right, cliente.bottom};
}

void Lienzo::Invalidar(HWND ventana, const RECT* caja) {
    if (!ventana) return;
    ::InvalidateRect(ventana, caja, FALSE);
    const SIZE tamano = TamanoCliente(ventana);
    const RECT todo{0, 0, tamano.cx, tamano.cy};
    Region nueva(::CreateRectRgnIndirect(caja ? caja : &todo));
    if (!pendiente_) pendiente_ = std::move(nueva);
    else ::CombineRgn(pendiente_.get(), pendiente_.get(), nueva.get(), RGN_OR);
}

void Lienzo::InvalidarCambios(HWND ventana, std::vector<Huella> nuevas) {
    if (nuevas.size() != huellas_.size()) {
        Invalidar(ventana, nullptr);
    } else {
        for (size_t i = 0; i < nuevas.size(); ++i) {
            if (nuevas[i] == huellas_[i]) continue;
            Invalidar(ventana, &huellas_[i].caja);
            Invalidar(ventana, &nuevas[i].caja);
        }
    }
    huellas_ = std::move(nuevas);
}

void Lienzo::Rehacer(HWND ventana, std::vector<Huella> huellas) {
    Invalidar(ventana, nullptr);
    huellas_ = std::move(huellas);
}

void Lienzo::Copiar(HWND ventana, HDC destino) {
    Actualizar(ventana, destino);
    DCCreado memoria(::CreateCompatibleDC(destino));
    ObjetoEnDc seleccion(memoria.get(), mapa_.get());
    ::BitBlt(destino, 0, 0, tamano_.cx, tamano_.cy, memoria.get(), 0, 0, SRCCOPY);
}

void Lienzo::Actualizar(HWND ventana, HDC referencia) {
    const SIZE tamano = TamanoCliente(ventana);
    if (!mapa_ || tamano.cx != tamano_.cx || tamano.cy != tamano_.cy) {
        mapa_ = MapaBits(::CreateCompatibleBitmap(referencia, tamano.cx, tamano.cy));
        tamano_ = tamano;
        pendiente_.Restablecer(::CreateRectRgn(0, 0, tamano.cx, tamano.cy));
    }
    if (!pendiente_) return;
    DCCreado memoria(::CreateCompatibleDC(referencia));
    ObjetoEnDc seleccion(memoria.get(), mapa_.get());
    ::SelectClipRgn(memoria.get(), pendiente_.get());
    pintar_(memoria.get());
    ::SelectClipRgn(memoria.get(), nullptr);
    pendiente_.Restablecer();
}

}  // namespace instalar::win32
