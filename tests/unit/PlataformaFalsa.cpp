#include "PlataformaFalsa.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "ArchivoEnTrozos.h"
#include "comprobar/Windows1252.h"

namespace instalar::prueba {

namespace {

size_t CaracteresVisibles(const std::u16string& texto) {
    // "&x" shows only x, "&&" shows one "&".
    size_t visibles = 0;
    for (size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == u'&') {
            if (i + 1 < texto.size()) ++visibles;
            ++i;
            continue;
        }
        ++visibles;
    }
    return visibles;
}

}  // namespace

// Small pieces, so that line ends straddle reads.
std::unique_ptr<ArchivoLectura> PlataformaFalsa::CrearArchivo(const std::string& contenido) {
    auto archivo = std::make_unique<ArchivoEnTrozos>(contenido, 7);
    archivo->ContarAbierto(archivosAbiertos);
    archivo->ContarBytes(bytesLeidos);
    return archivo;
}

Resultado<std::unique_ptr<ArchivoLectura>> PlataformaFalsa::AbrirArchivo(const std::u16string& ruta) {
    ++aperturas;
    rutasAbiertas.push_back(ruta);
    if (auto error = erroresPorApertura.find(aperturas); error != erroresPorApertura.end()) return error->second;
    if (auto error = erroresDeApertura.find(ruta); error != erroresDeApertura.end()) return error->second;
    auto archivo = archivos.find(ruta);
    if (archivo == archivos.end() && aperturaSinMayusculas) {
        archivo = std::find_if(archivos.begin(), archivos.end(), [&](const auto& par) {
            return comprobar::SinMayusculas(par.first) == comprobar::SinMayusculas(ruta);
        });
    }
    if (archivo == archivos.end()) return ErrorDe(CodigoError::ArchivoNoEncontrado, 2);
    return std::unique_ptr<ArchivoLectura>(CrearArchivo(archivo->second));
}

std::optional<HuellaArchivo> PlataformaFalsa::Huella(const std::u16string& ruta) {
    auto archivo = archivos.find(ruta);
    if (archivo == archivos.end()) return std::nullopt;
    return HuellaArchivo{archivo->second.size(), std::hash<std::string>{}(archivo->second)};
}

std::u16string PlataformaFalsa::DesdeAnsi(std::string_view bytes) { return comprobar::DesdeWindows1252(bytes); }

Resultado<int64_t> PlataformaFalsa::LongitudArchivo(const std::u16string& ruta) {
    auto archivo = archivos.find(ruta);
    if (archivo == archivos.end()) return ErrorDe(CodigoError::ArchivoNoEncontrado, 2);
    return static_cast<int64_t>(archivo->second.size());
}

Fallo PlataformaFalsa::CargarFondo(const std::u16string& ruta) {
    fondosCargados.push_back(ruta);
    if (!archivos.count(ruta)) return ErrorDe(CodigoError::ArchivoNoEncontrado, 2);
    return std::nullopt;
}

Tamano PlataformaFalsa::MedirTexto(const Fuente& fuente, const std::u16string& texto, double anchoAjuste) {
    auto enPixeles = [this](double twips) {
        return medirEnPixelesEnteros ? std::ceil(twips / twipsPorPixel) * twipsPorPixel : twips;
    };
    const double ancho = CaracteresVisibles(texto) * AnchoCaracter(fuente);
    const double alto = enPixeles(AltoLinea(fuente));
    if (anchoAjuste <= 0) return {enPixeles(ancho), alto};
    const double lineas = std::max(1.0, std::ceil(ancho / anchoAjuste));
    return {std::min(ancho, anchoAjuste), lineas * alto};
}

std::u16string PlataformaFalsa::GrupoDeNombre(const std::u16string& nombre) { return comprobar::SinMayusculas(nombre); }

bool PlataformaFalsa::IgualesEnWindows1252(const std::u16string& a, const std::u16string& b) {
    return comprobar::SinMayusculas(a) == comprobar::SinMayusculas(b);
}

namespace {

// The next result set up for a start, success when none is left.
Fallo Siguiente(std::vector<Fallo>& resultados) {
    if (resultados.empty()) return std::nullopt;
    Fallo resultado = resultados.front();
    resultados.erase(resultados.begin());
    return resultado;
}

class ProcesoFalso : public ProcesoIniciado {
public:
    explicit ProcesoFalso(std::shared_ptr<EstadoProceso> estado) : estado_(std::move(estado)) {}
    MiradaProceso Mirar() override {
        MiradaProceso mirada;
        mirada.terminado = estado_->terminado;
        mirada.codigoSalida = estado_->codigoSalida;
        mirada.otrosEnMarcha = estado_->otroEnMarcha.has_value();
        mirada.nombreDeOtro = estado_->otroEnMarcha.value_or(u"");
        mirada.sobrevivido = estado_->sobrevivido || mirada.otrosEnMarcha;
        return mirada;
    }
    bool SigueDescendientes() const override { return estado_->sigueDescendientes; }

private:
    std::shared_ptr<EstadoProceso> estado_;
};

}  // namespace

Resultado<ProcesoAEsperar> PlataformaFalsa::Iniciar(const PeticionProceso& peticion, std::vector<Fallo>& resultados) {
    if (durante) durante();
    if (Fallo fallo = Siguiente(resultados)) return *fallo;
    if (!peticion.seguir) return ProcesoAEsperar{};
    seguidos.push_back(std::make_shared<EstadoProceso>());
    seguidos.back()->sigueDescendientes = sigueDescendientes;
    return ProcesoAEsperar{std::make_unique<ProcesoFalso>(seguidos.back())};
}

Resultado<ProcesoAEsperar> PlataformaFalsa::IniciarProceso(const PeticionProceso& peticion) {
    procesos.push_back(peticion);
    return Iniciar(peticion, resultadosProceso);
}

Resultado<ProcesoAEsperar> PlataformaFalsa::EjecutarConShell(const PeticionProceso& peticion) {
    ejecucionesShell.push_back(peticion);
    return Iniciar(peticion, resultadosShell);
}

}  // namespace instalar::prueba
