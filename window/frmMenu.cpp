#include "window/frmMenu.h"

#include "common/Sobrecarga.h"
#include "menufile/IdiomaMenu.h"
#include "menufile/RutaMenu.h"
#include "window/Botones.h"
#include "window/OpcionesDeMaquina.h"

namespace instalar {

frmMenu::frmMenu(const SistemaVentana& sistema)
    : archivos_(sistema.archivos),
      medida_(sistema.medida),
      anfitrion_(sistema.anfitrion),
      disposicion_(estado_, sistema.medida),
      seleccion_(estado_, disposicion_, sistema.archivos, sistema.medida, sistema.anfitrion),
      lista_(estado_, disposicion_, seleccion_, sistema.archivos, sistema.medida),
      teclado_(estado_, seleccion_),
      comando_(estado_, sistema.anfitrion, sistema.procesos),
      instalacion_(estado_, sistema.medida) {
    estado_.maquina = sistema.maquina;
    estado_.hechos = FuenteDeHechos(sistema.maquina);
    // The hint below the list keeps its design text but sizes itself to it in
    // the fonts of this screen, which may be larger than the design's; it
    // grows to the right, away from the window's left border.
    Etiqueta& indicacion = estado_.controles.indicacion;
    FijarTexto(indicacion, indicacion.texto, medida_);
}

void frmMenu::Cargar() {
    // The logo is optional: a missing or unreadable file leaves the plain
    // background and no message.  (The window's palette picture has no
    // visible effect in the default palette mode, so it is not loaded.)
    const std::u16string rutaLogo = RutaLogo(anfitrion_.CarpetaPrograma());
    (void)anfitrion_.CargarFondo(rutaLogo);

    Controles& c = estado_.controles;
    c.barra.fondo = Color{88, 106, 183};
    c.cerrar.fondo = c.barra.fondo;
    c.instalar.fondo = c.barra.fondo;

    FijarTexto(c.descripcion, u"", medida_);
    FijarTexto(c.opciones[0], u"", medida_);
    FijarTexto(c.titulo, u"", medida_);
    FijarTexto(c.version, u"", medida_);

    const MenuElegido elegido = ElegirMenu(
        archivos_, ResolverArchivoMenu(anfitrion_.LineaComandos(), anfitrion_.CarpetaPrograma()),
        anfitrion_.IdiomasPreferidos());
    estado_.archivoMenu = elegido.ruta;
    estado_.textos = TextosDeIdioma(elegido.idioma);
    // Selecting the first item may already need a message box's title.
    c.tituloVentana = estado_.textos[Clave::Ventana];
    lista_.CargarMenu();
    MostrarTextos();
    DerivarBotones();
}

void frmMenu::MostrarTextos() {
    Controles& c = estado_.controles;
    const Textos& textos = estado_.textos;
    c.tituloVentana = textos[Clave::Ventana];
    c.instalar.texto = textos[Clave::Instalar];
    c.cerrar.texto = textos[Clave::Cerrar];
    AjustarBotones(c, medida_);
    // The first item, selected, may have said already why it cannot be
    // installed or that it is installed.
    if (estado_.indicacionDeMaquina) return;
    const std::u16string_view indicacion = estado_.totalOpciones < 1 ? std::u16string_view() : textos[Clave::Indicacion];
    if (c.indicacion.texto != indicacion) FijarTexto(c.indicacion, std::u16string(indicacion), medida_);
}

void frmMenu::AjustarATamano(double anchoInterior, double altoInterior) {
    disposicion_.AjustarBarra(anchoInterior, altoInterior);
}

void frmMenu::EmpezarArrastre(double x, double y) {
    arrastre_ = {true, static_cast<float>(x), static_cast<float>(y)};
}

void frmMenu::Arrastrar(double x, double y) {
    if (!arrastre_.activo) return;
    const Punto actual = anfitrion_.PosicionVentana();
    anfitrion_.MoverVentana({actual.x + x - arrastre_.x, actual.y + y - arrastre_.y});
}

RespuestaTecla frmMenu::AlBajarTecla(Tecla tecla, int modificadores, std::optional<ParadaFoco> foco) {
    return Obedecer(teclado_.AlBajarTecla(tecla, modificadores, foco));
}

RespuestaTecla frmMenu::AlEscribir(char16_t caracter) { return Obedecer(teclado_.AlEscribir(caracter)); }

RespuestaTecla frmMenu::Obedecer(const RespuestaTecla& respuesta) {
    switch (respuesta.orden) {
    case Orden::Instalar: Instalar(); break;
    case Orden::Cerrar: Cerrar(); break;
    case Orden::Ninguna: break;
    }
    return respuesta;
}

void frmMenu::Instalar() {
    // One setup at a time: while one starts, nothing else starts one.
    if (estado_.arrancando) return;
    // While one runs, "Instalar" and Enter do nothing; once only programs
    // it opened keep the menu waiting, they stop the wait.
    if (instalacion_.EnCurso()) {
        const int16_t opcion = estado_.instalando->opcion;
        if (instalacion_.DejarDeEsperar()) TrasInstalacion(opcion);
        DerivarBotones();
        return;
    }
    TrasInstalar tras = Arrancar();
    switch (tras.paso) {
    case TrasInstalar::Paso::Cerrar: Cerrar(); break;
    case TrasInstalar::Paso::Esperar: instalacion_.Empezar(*estado_.seleccionada, std::move(tras.proceso)); break;
    case TrasInstalar::Paso::Quedarse: break;
    }
    DerivarBotones();
}

bool frmMenu::MirarInstalacion() {
    const auto opcion = Instalando();
    const bool terminada = instalacion_.Mirar();
    if (terminada && opcion) TrasInstalacion(*opcion);
    DerivarBotones();
    return terminada;
}

void frmMenu::TrasInstalacion(int16_t opcion) { ComprobarInstalada(estado_, opcion); }

TrasInstalar frmMenu::Arrancar() {
    struct Arrancando {
        EstadoMenu& estado;
        explicit Arrancando(EstadoMenu& e) : estado(e) { estado.arrancando = true; }
        ~Arrancando() { estado.arrancando = false; }
    } arrancando(estado_);
    DerivarBotones();
    return comando_.Instalar();
}

void frmMenu::CambiarEscala() {
    disposicion_.MedirDeNuevo();
    AjustarBotones(estado_.controles, medida_);
    seleccion_.ResaltarDeNuevo();
}

Impacto frmMenu::ControlEn(double x, double y) const {
    // The topmost control under the point wins; the window's own surface
    // when there is none.
    Impacto arriba;
    auto bajo = [x, y](bool visible, const Rectangulo& caja) { return visible && caja.Contiene(x, y); };
    DeAbajoArriba(estado_.controles,
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

}  // namespace instalar
