#include "comprobar/AnchoTextos.h"

#include <cmath>
#include <string>
#include <utility>

#include "comprobar/TextoVisible.h"
#include "menufile/Requisitos.h"
#include "window/Botones.h"
#include "window/TeclasAcceso.h"

namespace instalar::comprobar {

namespace {

bool EsBoton(Clave clave) { return clave == Clave::Instalar || clave == Clave::Cerrar; }

// The texts the hint line shows: the design's own, why an item is greyed,
// that an item is installed.
bool EnLaIndicacion(Clave clave) {
    switch (clave) {
    case Clave::Indicacion:
    case Clave::Requiere64:
    case Clave::Requiere32:
    case Clave::No32:
    case Clave::RequiereX64:
    case Clave::NoX64:
    case Clave::RequiereArm:
    case Clave::NoArm:
    case Clave::Posterior:
    case Clave::Anterior:
    case Clave::YaInstalado: return true;
    default: return false;
    }
}

bool SeMide(Clave clave) { return EsBoton(clave) || EnLaIndicacion(clave); }

// What the hint line would show of a text: with its %1 filled for each
// item of the file that would show it (the version an item requires, the
// name of an item with probes), or as written where it has none.
std::vector<std::u16string> TextosMostrados(const TextoLeido& texto, const Informe& informe) {
    const bool conVersion = texto.clave == Clave::Posterior || texto.clave == Clave::Anterior;
    if (texto.clave != Clave::YaInstalado && !conVersion) return {texto.texto};
    std::vector<std::u16string> mostrados;
    for (const OpcionLeida& opcion : informe.opciones) {
        if (texto.clave == Clave::YaInstalado && !opcion.requisitos.instalado.empty())
            mostrados.push_back(Rellenar(texto.texto, TextoMostrado(opcion.entrada.nombre)));
        if (!conVersion) continue;
        for (const Condicion& condicion : opcion.requisitos.requiere) {
            const Motivo motivo = MotivoDe(condicion);
            if (motivo.clave == texto.clave) mostrados.push_back(Rellenar(texto.texto, motivo.version));
        }
    }
    return mostrados;
}

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
        if (EnLaIndicacion(texto.clave)) {
            // The widest way the line shows it, once.
            std::u16string masAncho;
            double ancho = 0;
            for (std::u16string& mostrado : TextosMostrados(texto, informe)) {
                const double este = medida->MedirTexto(diseno.indicacion.fuente, mostrado, 0).ancho;
                if (este <= ancho) continue;
                ancho = este;
                masAncho = std::move(mostrado);
            }
            // The hint line starts at its design's left and keeps that margin on the right.
            const double cabe = kAnchoVentana - 2 * double(diseno.indicacion.caja.izquierda);
            if (ancho > cabe)
                avisos.push_back({texto.linea, Gravedad::Aviso,
                                  "la indicación " + Citado(masAncho) + " mide " + Pixeles(ancho, porPixel) +
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
