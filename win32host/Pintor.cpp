#include "win32host/Pintor.h"

#include <vector>

#include "common/Sobrecarga.h"
#include "win32host/AlcanceDeTexto.h"
#include "win32host/Manejadores.h"
#include "win32host/MedidaTextoWin32.h"
#include "win32host/TextoWin32.h"
#include "win32host/TrazoDeMarca.h"

namespace instalar::win32 {

namespace {

void PintarLogo(HDC dc, HBITMAP logo) {
    if (!logo) return;
    BITMAP datos{};
    if (!::GetObjectW(logo, sizeof(datos), &datos)) return;
    DCCreado origen(::CreateCompatibleDC(dc));
    ObjetoEnDc seleccion(origen.get(), logo);
    ::BitBlt(dc, 0, 0, datos.bmWidth, datos.bmHeight, origen.get(), 0, 0, SRCCOPY);
}

void Trazo(HDC dc, int x, int y, COLORREF color) {
    Pluma pluma(::CreatePen(PS_SOLID, 1, color));
    ObjetoEnDc seleccion(dc, pluma.get());
    ::LineTo(dc, x, y);
}

void PintarFondo(HDC dc, SIZE tamano, COLORREF color) {
    const RECT todo{0, 0, tamano.cx, tamano.cy};
    Pincel pincel(::CreateSolidBrush(color));
    ::FillRect(dc, &todo, pincel.get());
}

// A raised one-pixel border along the outermost pixels: light left and top,
// dark right and bottom, drawn as one path.
void PintarBorde(HDC dc, SIZE tamano, COLORREF claro, COLORREF oscuro) {
    const int derecha = tamano.cx - 1;
    const int abajo = tamano.cy - 1;
    ::MoveToEx(dc, 0, abajo, nullptr);
    Trazo(dc, 0, 0, claro);
    Trazo(dc, derecha, 0, claro);
    Trazo(dc, derecha, abajo, oscuro);
    Trazo(dc, 0, abajo, oscuro);
}

void PintarBarra(HDC dc, const Barra& barra, COLORREF color, const Escala& escala) {
    const RECT caja = escala.APixeles(barra.caja);
    Pincel pincel(::CreateSolidBrush(color));
    ::FillRect(dc, &caja, pincel.get());
}

// What painting text keeps from one label to the next.
struct EstadoTexto {
    const Apariencia& apariencia;
    ObjetoEnDc fuente;
    COLORREF color = CLR_INVALID;
    std::vector<RECT> zonas;  // the parts of the DC that are painted
};

// The rectangles of the DC's clipping region (the whole DC if it has none).
std::vector<RECT> Zonas(HDC dc, SIZE tamano) {
    Region region(::CreateRectRgn(0, 0, 0, 0));
    if (::GetClipRgn(dc, region.get()) != 1) return {RECT{0, 0, tamano.cx, tamano.cy}};
    const DWORD bytes = ::GetRegionData(region.get(), 0, nullptr);
    std::vector<char> datos(bytes);
    auto* rgn = reinterpret_cast<RGNDATA*>(datos.data());
    if (!::GetRegionData(region.get(), bytes, rgn)) return {RECT{0, 0, tamano.cx, tamano.cy}};
    const RECT* r = reinterpret_cast<const RECT*>(rgn->Buffer);
    return std::vector<RECT>(r, r + rgn->rdh.nCount);
}

void PintarEtiqueta(HDC dc, const Etiqueta& etiqueta, const Escala& escala, Fuentes& fuentes, EstadoTexto& e) {
    if (!etiqueta.visible || etiqueta.texto.empty()) return;
    RECT caja = AlcanceDeTexto(etiqueta, escala);
    bool tocada = false;
    for (const RECT& zona : e.zonas) {
        if (caja.left < zona.right && zona.left < caja.right && caja.top < zona.bottom && zona.top < caja.bottom) {
            tocada = true;
            break;
        }
    }
    if (!tocada) return;
    e.fuente.Elegir(fuentes.Obtener(etiqueta.fuente));
    const COLORREF color = e.apariencia.paleta(e.apariencia.colores.TextoDe(etiqueta));
    if (color != e.color) {
        ::SetTextColor(dc, color);
        e.color = color;
    }
    if (SeDibujaHastaSuLimite(etiqueta)) {
        // Left-aligned from the box's left edge, where right-aligned in its
        // measured box would start it too.
        ::DrawTextW(dc, W(etiqueta.texto), static_cast<int>(etiqueta.texto.size()), &caja,
                    DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
        return;
    }
    // A one-line, left-aligned text is drawn directly: DrawText would only
    // find that out again for every label.
    if (etiqueta.alineacion == Alineacion::Izquierda && !etiqueta.ajustePalabras &&
        TextoDeUnaLinea(etiqueta.texto)) {
        ::ExtTextOutW(dc, caja.left, caja.top, ETO_CLIPPED, &caja, W(etiqueta.texto),
                      static_cast<UINT>(etiqueta.texto.size()), nullptr);
        return;
    }
    UINT formato = etiqueta.alineacion == Alineacion::Derecha ? DT_RIGHT : DT_LEFT;
    if (etiqueta.ajustePalabras) formato |= DT_WORDBREAK;
    ::DrawTextW(dc, W(etiqueta.texto), static_cast<int>(etiqueta.texto.size()), &caja, formato);
}

// A tick, a dash, a cross or a ring, in the item's text colour, with
// strokes that grow with the resolution.
void PintarMarca(HDC dc, const Etiqueta& opcion, MarcaOpcion marca, COLORREF color, const Escala& escala) {
    const TrazoMarca trazo = TrazoDeMarca(opcion, escala);
    const RECT& caja = trazo.caja;
    const int ancho = caja.right - caja.left;
    const int alto = caja.bottom - caja.top;
    Pluma pluma(::CreatePen(PS_SOLID, trazo.grosor, color));
    ObjetoEnDc seleccion(dc, pluma.get());
    switch (marca) {
    case MarcaOpcion::Instalado: {
        const POINT tic[] = {{caja.left, caja.top + alto / 2},
                             {caja.left + ancho / 3, caja.bottom - 1},
                             {caja.right - 1, caja.top}};
        ::Polyline(dc, tic, 3);
        break;
    }
    case MarcaOpcion::Cancelado:
        ::MoveToEx(dc, caja.left, caja.top + alto / 2, nullptr);
        ::LineTo(dc, caja.right, caja.top + alto / 2);
        break;
    case MarcaOpcion::Fallido:
        ::MoveToEx(dc, caja.left, caja.top, nullptr);
        ::LineTo(dc, caja.right - 1, caja.bottom - 1);
        ::MoveToEx(dc, caja.right - 1, caja.top, nullptr);
        ::LineTo(dc, caja.left, caja.bottom - 1);
        break;
    case MarcaOpcion::Incierto:
        // Arc's start and end at one point draw the whole ring, unfilled.
        ::Arc(dc, caja.left, caja.top, caja.right, caja.bottom, caja.left, caja.top, caja.left, caja.top);
        break;
    case MarcaOpcion::Ninguna: break;
    }
}

void PintarImagen(HDC dc, const Imagen& imagen, const RecursosPintura& r, const Escala& escala) {
    HICON icono = imagen.dibujo == Dibujo::Flecha ? r.flecha : r.icono;
    if (!imagen.visible || !icono) return;
    const RECT caja = escala.APixeles(imagen.caja);
    ::DrawIconEx(dc, caja.left, caja.top, icono, caja.right - caja.left, caja.bottom - caja.top, 0, nullptr,
                 DI_NORMAL);
}

void PintarLinea(HDC dc, const Linea& linea, COLORREF color, const Escala& escala) {
    Pluma pluma(::CreatePen(PS_SOLID, 1, color));
    ObjetoEnDc seleccion(dc, pluma.get());
    ::MoveToEx(dc, escala.Pixeles(linea.x1), escala.Pixeles(linea.y1), nullptr);
    ::LineTo(dc, escala.Pixeles(linea.x2), escala.Pixeles(linea.y2));
}

// The frame a focused list item has, in the system's way: dotted, over
// what is there.  It inverts the pixels under its dots only with black text
// on a white background in the DC, which the labels' colours may have
// changed.
void PintarMarcoFoco(HDC dc, const Rectangulo& marco, const Escala& escala) {
    const RECT caja = escala.APixeles(marco);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::DrawFocusRect(dc, &caja);
}

}  // namespace

void PintarContenido(HDC dc, SIZE tamano, const Controles& c, const Apariencia& a, const RecursosPintura& r,
                     const Escala& escala, Fuentes& fuentes) {
    const Colores& colores = a.colores;
    PintarFondo(dc, tamano, a.paleta(colores.fondo));
    if (colores.logo) PintarLogo(dc, r.logo);
    PintarBorde(dc, tamano, a.paleta(colores.bordeClaro), a.paleta(colores.bordeOscuro));

    ::SetBkMode(dc, TRANSPARENT);
    EstadoTexto e{a, ObjetoEnDc(dc), CLR_INVALID, Zonas(dc, tamano)};
    auto etiqueta = [&](const Etiqueta& et) { PintarEtiqueta(dc, et, escala, fuentes, e); };
    auto opcion = [&](const OpcionDeLista& o) {
        etiqueta(o.etiqueta);
        const MarcaOpcion marca = MarcaDe(o.etiqueta);
        if (marca != MarcaOpcion::Ninguna && o.etiqueta.visible)
            PintarMarca(dc, o.etiqueta, marca, a.paleta(colores.TextoDe(o.etiqueta)), escala);
    };
    DeAbajoArriba(c, Sobrecarga{etiqueta, opcion,
                                [&](const Imagen& i) { PintarImagen(dc, i, r, escala); },
                                [&](const Linea& l) { PintarLinea(dc, l, a.paleta(colores.divisoria), escala); },
                                [&](const Barra& b) { PintarBarra(dc, b, a.paleta(colores.barra), escala); }});
    e.fuente.Devolver();
    if (a.marcoFoco) PintarMarcoFoco(dc, *a.marcoFoco, escala);
}

}  // namespace instalar::win32
