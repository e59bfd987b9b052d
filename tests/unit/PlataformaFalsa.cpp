#include "PlataformaFalsa.h"

#include <algorithm>
#include <cmath>

#include "comprobar/Windows1252.h"

namespace instalar::prueba {

namespace {

// Hands out the bytes in small pieces, so that line ends straddle reads.
class ArchivoEnMemoria : public ArchivoLectura {
public:
    ArchivoEnMemoria(std::string contenido, int& abiertos, size_t& bytesLeidos)
        : contenido_(std::move(contenido)), abiertos_(abiertos), bytesLeidos_(bytesLeidos) {
        ++abiertos_;
    }
    ~ArchivoEnMemoria() override { --abiertos_; }
    Resultado<size_t> Leer(char* destino, size_t capacidad) override {
        const size_t n = std::min({capacidad, contenido_.size() - leido_, size_t{7}});
        std::memcpy(destino, contenido_.data() + leido_, n);
        leido_ += n;
        bytesLeidos_ += n;
        return n;
    }
    Fallo Volver(uint64_t posicion) override {
        leido_ = static_cast<size_t>(posicion);
        return std::nullopt;
    }

private:
    std::string contenido_;
    size_t leido_ = 0;
    int& abiertos_;
    size_t& bytesLeidos_;
};

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

Resultado<std::unique_ptr<ArchivoLectura>> PlataformaFalsa::AbrirArchivo(const std::u16string& ruta) {
    ++aperturas;
    if (auto error = erroresPorApertura.find(aperturas); error != erroresPorApertura.end()) return error->second;
    if (auto error = erroresDeApertura.find(ruta); error != erroresDeApertura.end()) return error->second;
    auto archivo = archivos.find(ruta);
    if (archivo == archivos.end()) return ErrorDe(CodigoError::ArchivoNoEncontrado, 2);
    return std::unique_ptr<ArchivoLectura>(std::make_unique<ArchivoEnMemoria>(archivo->second, archivosAbiertos, bytesLeidos));
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

bool PlataformaFalsa::IgualesEnWindows1252(const std::u16string& a, const std::u16string& b) {
    return comprobar::SinMayusculas(a) == comprobar::SinMayusculas(b);
}

Fallo PlataformaFalsa::IniciarProceso(const PeticionProceso& peticion) {
    procesos.push_back(peticion);
    if (resultadosProceso.empty()) return std::nullopt;
    Fallo resultado = resultadosProceso.front();
    resultadosProceso.erase(resultadosProceso.begin());
    return resultado;
}

Fallo PlataformaFalsa::EjecutarConShell(const PeticionProceso& peticion) {
    ejecucionesShell.push_back(peticion);
    if (resultadosShell.empty()) return std::nullopt;
    Fallo resultado = resultadosShell.front();
    resultadosShell.erase(resultadosShell.begin());
    return resultado;
}

std::string LineasCRLF(const std::vector<std::string>& lineas) {
    std::string texto;
    for (const auto& linea : lineas) texto += linea + "\r\n";
    return texto;
}

}  // namespace instalar::prueba
