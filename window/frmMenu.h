#pragma once
// The menu window's logic: what it shows and how it reacts, on a model of
// its controls.  The host forwards events here and paints `Vista()`.  The
// procedures of the window are spread over the files of this folder, one
// job each: loading (frmMenu.cpp), the item list (CargarMenu.cpp), the
// selection (SeleccionarOpcion.cpp), the keys (Teclado.cpp), the keyboard
// focus (Foco.cpp) and the install command (ComandoInstalar.cpp).

#include <cstdint>
#include <optional>
#include <string>

#include "interfaces/Anfitrion.h"
#include "interfaces/Archivos.h"
#include "interfaces/MedidaTexto.h"
#include "interfaces/Procesos.h"
#include "menufile/DescripcionesMenu.h"
#include "menufile/LineaMenu.h"
#include "window/Controles.h"
#include "window/Foco.h"
#include "window/Teclas.h"

namespace instalar {

// Everything the window reaches the system through.
struct SistemaVentana {
    Archivos& archivos;
    MedidaTexto& medida;
    Anfitrion& anfitrion;
    Procesos& procesos;
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

    // --- Events forwarded by the host
    void Form_Load();
    void Form_Resize(double anchoInterior, double altoInterior);
    void Form_MouseDown(double x, double y);
    void Form_MouseMove(double x, double y);
    void Form_MouseUp();
    void Form_KeyDown(Tecla tecla, int mayusculas);
    void Form_KeyPress(char16_t caracter);
    // A character typed with Alt: selects the item with that access key.
    // False when no item has it, so that the key goes on to the system.
    bool Form_TeclaAcceso(char16_t caracter);
    void Form_Unload();
    // The item list has gained or lost the keyboard focus.
    void Lista_GotFocus() { bListaConFoco = true; }
    void Lista_LostFocus() { bListaConFoco = false; }
    void etqInstalar_Click(int16_t indice) { SeleccionarOpcion(indice); }
    void btnInstalar_Click();
    void btnCancelar_Click() { Descargar(); }
    // The window now stands on a screen of another resolution (the
    // measure's twips per pixel changed): everything sized in pixels is
    // measured and placed anew.
    void Form_CambioDeEscala();

    // --- What the host needs to paint and route the mouse
    const Controles& Vista() const { return controles; }
    Impacto ControlEn(double x, double y) const;
    // Set once the window has been asked to unload; the host then destroys it.
    bool Descargada() const { return bDescargada; }

    int16_t Opciones() const { return nOpciones; }
    // The first bold item label, or nOpciones when none is.
    int16_t OpcionSeleccionada() const;
    // The description that selecting item `indice` shows, read from the
    // menu file: none when its entry has none (the previous one stays on
    // screen then) or the file cannot be read.  All items' descriptions
    // come from one reading, kept until the file's size or write time
    // changes: a screen reader asks for each of them, often.
    std::optional<std::u16string> DescripcionDeOpcion(int16_t indice) const;

    // --- The keyboard focus
    ParadaFoco ParadaDeInicio() const;
    // Where Tab (Shift+Tab with `atras`) takes the focus from `actual`.
    ParadaFoco SiguienteParada(std::optional<ParadaFoco> actual, bool atras) const;
    bool ListaConFoco() const { return bListaConFoco; }
    // The frame around the selected item while the list has the focus.
    std::optional<Rectangulo> MarcoDeFoco() const;

private:
    class LectorLista;

    void CargarMenu();
    void SeleccionarOpcion(int16_t indice);
    void LanzarInstalador(const std::u16string& comando);
    void Descargar() { bDescargada = true; }

    // Errors of the selection and the launch are shown in a message box
    // titled with the window's caption.
    void InformarError(const std::u16string& texto);
    void SeleccionarAnterior();
    void SeleccionarSiguiente();
    void SeleccionarPrimera();
    void SeleccionarUltima();
    // Selects the item with this access key; false when none has it.
    bool SeleccionarPorTecla(char16_t caracter);
    void AnadirOpcion(Entrada&& entrada);
    void DistribuirOpciones();
    void MarcarOpcion(Etiqueta& elegida);
    void CentrarDescripcion();

    Archivos& archivos;
    MedidaTexto& medida;
    Anfitrion& anfitrion;
    Procesos& procesos;
    Controles controles;
    std::u16string sArchivo;  // the menu file
    int16_t nOpciones = 0;
    bool bMoviendo = false;   // the mouse button is held on the window's surface
    float sngX = 0;           // where it went down, in twips
    float sngY = 0;
    bool bDescargada = false;
    bool bDistribuidas = false;  // the items were spread down the divider
    bool bListaConFoco = false;
    struct DescripcionesLeidas {
        HuellaArchivo huella;
        DescripcionesMenu descripciones;
    };
    mutable std::optional<DescripcionesLeidas> descripcionesLeidas;  // for DescripcionDeOpcion
};

}  // namespace instalar
