#pragma once
// An in-memory platform for the core's tests: files are byte strings,
// text is measured by a simple rule, and every call that reaches the
// outside world is recorded.

#include <cstring>
#include <functional>
#include <optional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "herramientas/LineasCrLf.h"
#include "interfaces/Anfitrion.h"
#include "interfaces/Archivos.h"
#include "interfaces/MedidaTexto.h"
#include "interfaces/Procesos.h"
#include "window/frmMenu.h"

namespace instalar::prueba {

// A setup the fake started and hands back for waiting: the test says when
// it ends, with which code, and what it leaves running.
struct EstadoProceso {
    bool terminado = false;
    uint32_t codigoSalida = 0;
    // A program it opened that still runs, by its file name ("" unnamed).
    std::optional<std::u16string> otroEnMarcha;
    // The system saw a process it started outlive it.
    bool sobrevivido = false;
    // Whether the system lets its processes be followed.
    bool sigueDescendientes = true;
};

struct Mensaje {
    std::u16string texto;
    std::u16string titulo;
};

class PlataformaFalsa : public Archivos, public MedidaTexto, public Anfitrion, public Procesos {
public:
    // All of the window's system in this one fake.
    SistemaVentana Sistema() { return SistemaVentana{*this, *this, *this, *this}; }

    // --- Configuration
    std::u16string carpeta = u"C:\\medio";
    std::u16string lineaComandos;
    // The user's display languages, most wanted first.
    std::vector<std::u16string> idiomas;
    double twipsPorPixel = 15;
    // Sizes of text in whole pixels, as a screen's fonts give them: the
    // same text then measures differently at another resolution.
    bool medirEnPixelesEnteros = false;
    std::map<std::u16string, std::string> archivos;
    // Files are opened whatever the letter case of their names, as on Windows.
    bool aperturaSinMayusculas = false;
    // Every path opened, in order, found or not.
    std::vector<std::u16string> rutasAbiertas;
    std::set<std::u16string> carpetas;
    std::map<std::u16string, Error> erroresDeApertura;
    // Failures of single openings, by their number counted from 1: a file
    // that changes between two reads.
    std::map<int, Error> erroresPorApertura;
    // Results of the next process starts, in order; success when empty.
    std::vector<Fallo> resultadosProceso;
    std::vector<Fallo> resultadosShell;
    // Called inside every start, before it returns, as the shell may
    // dispatch the window's messages then.
    std::function<void()> durante;
    // Whether the next started setups can be followed with what they start.
    bool sigueDescendientes = true;

    // --- Recorded calls
    std::vector<Mensaje> mensajes;
    // Yes/No questions asked, and what the user answers to them.
    std::vector<Mensaje> preguntas;
    bool respuestaSi = false;
    std::vector<PeticionProceso> procesos;
    std::vector<PeticionProceso> ejecucionesShell;
    // The processes handed back (for requests that ask to follow them), in
    // order of their starts, directly or through the shell.
    std::vector<std::shared_ptr<EstadoProceso>> seguidos;
    std::vector<std::u16string> fondosCargados;
    Punto posicion{3000, 2000};
    int aperturas = 0;
    // Files opened and not yet closed.
    int archivosAbiertos = 0;
    // Bytes handed out by all files so far: a byte read twice counts twice.
    size_t bytesLeidos = 0;
    // Names compared so far.
    size_t comparaciones = 0;

    // Text metrics of the fake: every character is `puntos * 10` twips wide
    // (12 more when bold) and a line is `puntos * 22.5` twips high, so a
    // 12-point label is 270 twips high.
    static double AnchoCaracter(const Fuente& f) { return f.puntos * 10 + (f.negrita ? 12 : 0); }
    static double AltoLinea(const Fuente& f) { return f.puntos * 22.5; }

    std::u16string CarpetaPrograma() override { return carpeta; }
    std::u16string LineaComandos() override { return lineaComandos; }
    std::vector<std::u16string> IdiomasPreferidos() override { return idiomas; }
    double TwipsPorPixelX() override { return twipsPorPixel; }
    double TwipsPorPixelY() override { return twipsPorPixel; }

    Resultado<std::unique_ptr<ArchivoLectura>> AbrirArchivo(const std::u16string& ruta) override;
    // One of the fake's files, counted while it is open.
    std::unique_ptr<ArchivoLectura> CrearArchivo(const std::string& contenido);
    std::u16string DesdeAnsi(std::string_view bytes) override;
    Resultado<int64_t> LongitudArchivo(const std::u16string& ruta) override;
    // A file's size, and for its write time a hash of its bytes: any
    // change of the contents is a new version.
    std::optional<HuellaArchivo> Huella(const std::u16string& ruta) override;
    Fallo CargarFondo(const std::u16string& ruta) override;
    Tamano MedirTexto(const Fuente& fuente, const std::u16string& texto, double anchoAjuste) override;
    bool IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) override {
        ++comparaciones;
        return IgualesEnWindows1252(a, b);
    }
    // Names that compare equal share their text without letter case.
    std::u16string GrupoDeNombre(const std::u16string& nombre) override;
    // The fake reads text as a Western European Windows does, with the
    // checker's Windows-1252 rules, which the platform tests hold the real
    // host to: bytes decoded in that code page, names compared without the
    // case of its letters (those of 0x80-0x9F, such as Š and Œ, included).
    static bool IgualesEnWindows1252(const std::u16string& a, const std::u16string& b);
    void MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) override {
        mensajes.push_back({texto, titulo});
    }
    bool PreguntarSiNo(const std::u16string& texto, const std::u16string& titulo) override {
        preguntas.push_back({texto, titulo});
        return respuestaSi;
    }
    Punto PosicionVentana() override { return posicion; }
    void MoverVentana(Punto nueva) override { posicion = nueva; }
    Resultado<ProcesoAEsperar> IniciarProceso(const PeticionProceso& peticion) override;
    Resultado<ProcesoAEsperar> EjecutarConShell(const PeticionProceso& peticion) override;

private:
    Resultado<ProcesoAEsperar> Iniciar(const PeticionProceso& peticion, std::vector<Fallo>& resultados);
};

// Menu file text with CR LF line ends, as the end-to-end tests write it.
using herramientas::LineasCrLf;

}  // namespace instalar::prueba
