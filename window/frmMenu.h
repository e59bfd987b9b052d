#pragma once
// The menu window's logic: what it shows and how it reacts, on a model of
// its controls.  The host forwards events here and paints `Vista()`.  The
// window is made of parts, each with its header: the item list
// (ListaOpciones.h), the selection (Seleccion.h), the keys and the focus
// (Teclado.h, Foco.h), where things stand (Disposicion.h) and the install
// command (ComandoInstalar.h).  This class holds them together: loading,
// dragging, hit-testing and unloading are its own.

#include <cstdint>
#include <optional>
#include <string>

#include "interfaces/Anfitrion.h"
#include "interfaces/Archivos.h"
#include "interfaces/Maquina.h"
#include "interfaces/MedidaTexto.h"
#include "interfaces/Procesos.h"
#include "window/ComandoInstalar.h"
#include "window/Disposicion.h"
#include "window/EstadoMenu.h"
#include "window/Foco.h"
#include "window/Instalacion.h"
#include "window/ListaOpciones.h"
#include "window/Seleccion.h"
#include "window/Teclado.h"
#include "window/Teclas.h"

namespace instalar {

// Everything the window reaches the system through.
struct SistemaVentana {
    Archivos& archivos;
    MedidaTexto& medida;
    Anfitrion& anfitrion;
    Procesos& procesos;
    // For the items that depend on the machine; none answers nothing.
    Maquina* maquina = nullptr;
};

// What lies under the mouse: the window's own surface, an item label, or
// another control that takes the mouse for itself.
struct Impacto {
    enum class Tipo { Fondo, Opcion, OtroControl } tipo = Tipo::Fondo;
    int16_t indice = 0;
    const Etiqueta* etiqueta = nullptr;  // the label hit, if the control is one
};

class frmMenu {
public:
    explicit frmMenu(const SistemaVentana& sistema);
    frmMenu(const frmMenu&) = delete;
    frmMenu& operator=(const frmMenu&) = delete;

    // --- Events forwarded by the host
    // Sets up the window's look, finds the menu file and builds the list.
    void Cargar();
    void AjustarATamano(double anchoInterior, double altoInterior);
    // The mouse button held on the window's own surface drags the window.
    void EmpezarArrastre(double x, double y);
    void Arrastrar(double x, double y);
    void TerminarArrastre() { arrastre_.activo = false; }
    RespuestaTecla AlBajarTecla(Tecla tecla, int modificadores, std::optional<ParadaFoco> foco = std::nullopt);
    RespuestaTecla AlEscribir(char16_t caracter);
    bool AlEscribirConAlt(char16_t caracter) { return teclado_.AlEscribirConAlt(caracter); }
    void ListaGanaFoco() { estado_.listaConFoco = true; }
    void ListaPierdeFoco() { estado_.listaConFoco = false; }
    void ClicEnOpcion(int16_t indice) {
        if (!SeleccionCongelada(estado_)) seleccion_.SeleccionarOpcion(indice);
    }
    // "Instalar" and Enter: the menu closes once the item's file started,
    // or, in a menu that comes back, waits for the setup; while only
    // programs a setup opened keep it waiting, they stop the wait.
    void Instalar();
    // Called from time to time while a setup runs: true when it has just
    // ended and the window shows how.
    bool MirarInstalacion();
    // "Cerrar", Esc and Alt+F4.
    void Cerrar() { descargada_ = true; }
    // The window now stands on a screen of another resolution (the
    // measure's twips per pixel changed): everything sized in pixels is
    // measured and placed anew, and the window looks exactly like one
    // started on that screen with the same item selected.
    void CambiarEscala();
    // The window is going: the items made at load time go with it.
    void Descargar() {
        instalacion_.Abandonar();
        lista_.Vaciar();
    }

    // --- What the host needs to paint, route the mouse and answer screen readers
    const Controles& Vista() const { return estado_.controles; }
    Impacto ControlEn(double x, double y) const;
    // Set once the window has been asked to close; the host then destroys it.
    bool Descargada() const { return descargada_; }
    bool EsperandoInstalacion() const { return instalacion_.EnCurso(); }
    std::optional<int16_t> Instalando() const {
        if (!estado_.instalando) return std::nullopt;
        return estado_.instalando->opcion;
    }
    int16_t TotalOpciones() const { return estado_.totalOpciones; }
    // The menu's own texts, in the menu file's language (see TextosMenu.h).
    const Textos& TextosDelMenu() const { return estado_.textos; }
    // The menu file read: the one in the user's language, where there is one.
    const std::u16string& ArchivoMenu() const { return estado_.archivoMenu; }
    std::optional<int16_t> Seleccionada() const { return estado_.seleccionada; }
    std::optional<std::u16string> DescripcionDeOpcion(int16_t indice) const {
        return seleccion_.DescripcionDeOpcion(indice);
    }
    ParadaFoco ParadaDeInicio() const { return ParadaInicial(InstalarHabilitado(estado_)); }
    bool ListaConFoco() const { return estado_.listaConFoco; }
    std::optional<Rectangulo> MarcoDeFoco() const {
        return instalar::MarcoDeFoco(estado_, medida_.TwipsPorPixelX(), medida_.TwipsPorPixelY());
    }

private:
    RespuestaTecla Obedecer(const RespuestaTecla& respuesta);
    // Runs the install command marked as starting (EstadoMenu::arrancando).
    TrasInstalar Arrancar();
    // The buttons as the painted model shows them, from the state they
    // follow (see InstalarHabilitado): after every change of it.
    void DerivarBotones() { estado_.controles.instalar.habilitado = InstalarHabilitado(estado_); }
    // The setup of item `opcion` has ended: its probes run again.
    void TrasInstalacion(int16_t opcion);

    // The menu's own texts where the controls show them, once the menu
    // file has said which they are.
    void MostrarTextos();

    Archivos& archivos_;
    MedidaTexto& medida_;
    Anfitrion& anfitrion_;
    EstadoMenu estado_;
    Disposicion disposicion_;
    Seleccion seleccion_;
    ListaOpciones lista_;
    Teclado teclado_;
    ComandoInstalar comando_;
    Instalacion instalacion_;
    struct Arrastre {
        bool activo = false;
        float x = 0, y = 0;  // where the button went down, in twips
    } arrastre_;
    bool descargada_ = false;
};

}  // namespace instalar
