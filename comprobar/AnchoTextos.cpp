#include "comprobar/AnchoTextos.h"

#include <cmath>
#include <string>

#include "comprobar/TextoVisible.h"
#include "window/Botones.h"

namespace instalar::comprobar {

namespace {

bool SeMide(Clave clave) { return clave == Clave::Instalar || clave == Clave::Cerrar || clave == Clave::Indicacion; }

std::string Pixeles(double twips, double twipsPorPixel) {
    return std::to_string(static_cast<long long>(std::lround(twips / twipsPorPixel))) + " píxeles";
}

}  // namespace

std::vector<Hallazgo> AvisosDeAncho(const Informe& informe, MedidaTexto* medida) {
    std::vector<Hallazgo> avisos;
    const Controles diseno = ControlesDeDiseno();
    for (const TextoLeido& texto : informe.textos) {
        if (!SeMide(texto.clave)) continue;
        if (!medida) {
            avisos.push_back({texto.linea, Gravedad::Nota,
                              "el ancho de los textos solo se mide en Windows, con las fuentes de la ventana: "
                              "comprueba este archivo con comprobar.exe"});
            return avisos;
        }
        const double porPixel = medida->TwipsPorPixelX();
        if (texto.clave == Clave::Indicacion) {
            const double ancho = medida->MedirTexto(diseno.indicacion.fuente, texto.texto, 0).ancho;
            // The hint line starts at its design's left and keeps that margin on the right.
            const double cabe = kAnchoVentana - 2 * double(diseno.indicacion.caja.izquierda);
            if (ancho > cabe)
                avisos.push_back({texto.linea, Gravedad::Aviso,
                                  "la indicación " + Citado(texto.texto) + " mide " + Pixeles(ancho, porPixel) +
                                      " y en la ventana caben " + Pixeles(cabe, porPixel) +
                                      ": su final no se vería (los lectores de pantalla la leen entera)"});
            continue;
        }
        const bool instalar = texto.clave == Clave::Instalar;
        const Fuente& fuente = instalar ? diseno.instalar.fuente : diseno.cerrar.fuente;
        const double necesario = AnchoDeBoton(medida->MedirTexto(fuente, texto.texto, 0).ancho, porPixel, 0);
        const double maximo = AnchoMaximoDeBoton(instalar);
        if (necesario > maximo)
            avisos.push_back({texto.linea, Gravedad::Aviso,
                              std::string("el texto ") + Citado(texto.texto) + " no cabe en el botón «" +
                                  (instalar ? "Instalar" : "Cerrar") + "»: necesita " + Pixeles(necesario, porPixel) +
                                  " y el botón crece como mucho hasta " + Pixeles(maximo, porPixel) +
                                  " (la mitad de la ventana); se cortaría por los dos lados"});
    }
    return avisos;
}

}  // namespace instalar::comprobar
