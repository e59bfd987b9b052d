// Loading the window, moving it with the mouse, finding what lies under the
// mouse, and unloading it.

#include "window/frmMenu.h"

#include "common/Sobrecarga.h"
#include "menufile/RutaMenu.h"

namespace instalar {

frmMenu::frmMenu(const SistemaVentana& sistema)
    : archivos(sistema.archivos),
      medida(sistema.medida),
      anfitrion(sistema.anfitrion),
      procesos(sistema.procesos),
      controles(ControlesDeDiseno()) {
    // The hint below the list keeps its design text but sizes itself to it in
    // the fonts of this screen, which may be larger than the design's; it
    // grows to the right, away from the window's left border.
    FijarTexto(controles.Label1, controles.Label1.texto, medida);
}

void frmMenu::Form_Load() {
    // The logo is optional: a missing or unreadable file leaves the plain
    // background and no message.  (The window's palette picture has no
    // visible effect in the default palette mode, so it is not loaded.)
    const std::u16string rutaLogo = RutaLogo(anfitrion.CarpetaPrograma());
    (void)anfitrion.CargarFondo(rutaLogo);

    controles.shpBar.fondo = Color{88, 106, 183};
    controles.btnCancelar.fondo = controles.shpBar.fondo;
    controles.btnInstalar.fondo = controles.shpBar.fondo;
    controles.titulo = u"Menú de instalación";

    FijarTexto(controles.etqInfo, u"", medida);
    FijarTexto(controles.etqInstalar[0], u"", medida);
    FijarTexto(controles.etqTipo, u"", medida);
    FijarTexto(controles.etqVer, u"", medida);

    sArchivo = ResolverArchivoMenu(anfitrion.LineaComandos(), anfitrion.CarpetaPrograma());
    CargarMenu();
    if (nOpciones < 1) {
        FijarTexto(controles.Label1, u"", medida);
        controles.btnInstalar.habilitado = false;
    }
}

void frmMenu::Form_Resize(double anchoInterior, double altoInterior) {
    const double px = medida.TwipsPorPixelX();
    Rectangulo& barra = controles.shpBar.caja;
    barra.izquierda = static_cast<float>(px);
    barra.arriba = static_cast<float>(altoInterior - barra.alto);
    barra.ancho = static_cast<float>(anchoInterior - px);
}

void frmMenu::Form_MouseDown(double x, double y) {
    bMoviendo = true;
    sngX = static_cast<float>(x);
    sngY = static_cast<float>(y);
}

void frmMenu::Form_MouseMove(double x, double y) {
    if (!bMoviendo) return;
    const Punto actual = anfitrion.PosicionVentana();
    anfitrion.MoverVentana({actual.x + x - sngX, actual.y + y - sngY});
}

void frmMenu::Form_MouseUp() { bMoviendo = false; }

void frmMenu::Form_Unload() {
    // Element 0 belongs to the design; the rest were created by CargarMenu.
    // The count goes with them: a screen reader may still ask after the
    // window is gone, and finds no item.
    if (controles.etqInstalar.size() > 1) controles.etqInstalar.resize(1);
    nOpciones = 0;
}

Impacto frmMenu::ControlEn(double x, double y) const {
    // The topmost control under the point wins; the window's own surface
    // when there is none.
    Impacto arriba;
    auto bajo = [x, y](bool visible, const Rectangulo& caja) { return visible && caja.Contiene(x, y); };
    DeAbajoArriba(controles,
                  Sobrecarga{[&](const Etiqueta& e) {
                                 if (bajo(e.visible, e.caja)) arriba = {Impacto::Tipo::OtroControl, 0, &e};
                             },
                             [&](const OpcionDeLista& o) {
                                 if (bajo(o.etiqueta.visible, o.etiqueta.caja))
                                     arriba = {Impacto::Tipo::Opcion, o.indice, &o.etiqueta};
                             },
                             [&](const Imagen& i) {
                                 if (bajo(i.visible, i.caja)) arriba = {Impacto::Tipo::OtroControl, 0};
                             },
                             // The line and the bar let the mouse through to the window.
                             [](const Linea&) {}, [](const Barra&) {}});
    return arriba;
}

void frmMenu::InformarError(const std::u16string& texto) { anfitrion.MostrarMensaje(texto, controles.titulo); }

}  // namespace instalar
