#pragma once
// The menu window's logic: what it shows and how it reacts, on a model of
// its controls.  The Win32 host forwards events here and paints `Vista()`.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Plataforma.h"
#include "window/Controles.h"

namespace instalar {

// Shift state bits of a key event.
enum EstadoMayusculas : int { kShift = 1, kCtrl = 2, kAlt = 4 };

// Key codes the window reacts to.
enum CodigoTecla : int { kTeclaArriba = 38, kTeclaAbajo = 40 };
enum CodigoCaracter : int { kCaracterIntro = 13, kCaracterEscape = 27 };

// What lies under the mouse: the window's own surface, an item label, or
// another control that takes the mouse for itself.
struct Impacto {
    enum class Tipo { Fondo, Opcion, OtroControl } tipo = Tipo::Fondo;
    int16_t indice = 0;
};

class frmMenu {
public:
    explicit frmMenu(Plataforma& plataforma);

    // --- Events forwarded by the host
    void Form_Load();
    void Form_Resize(double anchoInterior, double altoInterior);
    void Form_MouseDown(double x, double y);
    void Form_MouseMove(double x, double y);
    void Form_MouseUp();
    void Form_KeyDown(int codigoTecla, int mayusculas);
    void Form_KeyPress(int caracter);
    void Form_Unload();
    void etqInstalar_Click(int16_t indice) { SeleccionarOpcion(indice); }
    void btnInstalar_Click();
    void btnCancelar_Click() { Descargar(); }

    // --- What the host needs to paint and route the mouse
    const Controles& Vista() const { return c_; }
    Impacto ControlEn(double x, double y) const;
    // Set once the window has been asked to unload; the host then destroys it.
    bool Descargada() const { return descargada_; }

    int16_t Opciones() const { return nOpciones; }

private:
    void CargarMenu();
    void SeleccionarOpcion(int16_t indice);
    void LanzarInstalador(const std::u16string& comando);
    void Descargar() { descargada_ = true; }

    // Errors of the selection and the launch are shown in a message box
    // titled with the window's caption.
    void InformarError(const std::u16string& texto);
    // The first bold item label, or nOpciones when none is.
    int16_t OpcionSeleccionada() const;
    void DistribuirOpciones();
    void CentrarDescripcion();

    Plataforma& plataforma_;
    Controles c_;
    std::u16string sArchivo;
    int16_t nOpciones = 0;
    bool bMoviendo = false;
    float sngX = 0;
    float sngY = 0;
    bool descargada_ = false;
};

}  // namespace instalar
