#include "window/frmMenu.h"

#include "menufile/RutaMenu.h"

namespace instalar {

frmMenu::frmMenu(Plataforma& plataforma) : plataforma_(plataforma), c_(ControlesDeDiseno()) {
    // The hint below the list keeps its design text but sizes itself to it in
    // the fonts of this screen, which may be larger than the design's; it
    // grows to the right, away from the window's left border.
    FijarTexto(c_.Label1, c_.Label1.texto, plataforma_);
}

void frmMenu::Form_Load() {
    // The logo is optional: a missing or unreadable file leaves the plain
    // background and no message.  (The window's palette picture has no
    // visible effect in the default palette mode, so it is not loaded.)
    sArchivo = RutaLogo(plataforma_.CarpetaPrograma());
    (void)plataforma_.CargarFondo(sArchivo);

    c_.shpBar.fondo = Color{88, 106, 183};
    c_.btnCancelar.fondo = c_.shpBar.fondo;
    c_.btnInstalar.fondo = c_.shpBar.fondo;
    c_.titulo = u"Menú de instalación";

    FijarTexto(c_.etqInfo, u"", plataforma_);
    FijarTexto(c_.etqInstalar[0], u"", plataforma_);
    FijarTexto(c_.etqTipo, u"", plataforma_);
    FijarTexto(c_.etqVer, u"", plataforma_);

    sArchivo = ResolverArchivoMenu(plataforma_.LineaComandos(), plataforma_.CarpetaPrograma());
    CargarMenu();
    if (nOpciones < 1) {
        FijarTexto(c_.Label1, u"", plataforma_);
        c_.btnInstalar.habilitado = false;
    }
}

void frmMenu::Form_Resize(double anchoInterior, double altoInterior) {
    const double px = plataforma_.TwipsPorPixelX();
    Rectangulo& barra = c_.shpBar.caja;
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
    const Punto actual = plataforma_.PosicionVentana();
    plataforma_.MoverVentana({actual.x + x - sngX, actual.y + y - sngY});
}

void frmMenu::Form_MouseUp() { bMoviendo = false; }

void frmMenu::Form_Unload() {
    // Element 0 belongs to the design; the rest were created by CargarMenu.
    if (c_.etqInstalar.size() > 1) c_.etqInstalar.resize(1);
}

Impacto frmMenu::ControlEn(double x, double y) const {
    auto toca = [x, y](const Etiqueta& e) { return e.visible && e.caja.Contiene(x, y); };
    if (toca(c_.Label1) || toca(c_.etqInfo)) return {Impacto::Tipo::OtroControl, 0};
    // Labels created later lie above the earlier ones.
    for (size_t i = c_.etqInstalar.size(); i-- > 0;) {
        if (toca(c_.etqInstalar[i])) return {Impacto::Tipo::Opcion, static_cast<int16_t>(i)};
    }
    const bool sobreImagen = (c_.Image1.visible && c_.Image1.caja.Contiene(x, y)) ||
                             (c_.Image2.visible && c_.Image2.caja.Contiene(x, y));
    if (sobreImagen || toca(c_.etqVer) || toca(c_.etqTipo)) return {Impacto::Tipo::OtroControl, 0};
    // The line and the bar let the mouse through to the window.
    return {Impacto::Tipo::Fondo, 0};
}

void frmMenu::InformarError(const std::u16string& texto) {
    plataforma_.MostrarMensaje(texto, c_.titulo);
}

}  // namespace instalar
