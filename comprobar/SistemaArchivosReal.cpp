#include "comprobar/SistemaArchivosReal.h"

#include <fstream>
#include <optional>
#include <system_error>
#include <utility>

#include "comprobar/Windows1252.h"

namespace instalar::comprobar {

namespace fs = std::filesystem;

namespace {

class ArchivoFlujo : public ArchivoLectura {
public:
    explicit ArchivoFlujo(std::ifstream flujo) : flujo_(std::move(flujo)) {}

    Resultado<size_t> Leer(char* destino, size_t capacidad) override {
        flujo_.read(destino, static_cast<std::streamsize>(capacidad));
        if (flujo_.bad()) return ErrorDe(CodigoError::Sistema);
        return static_cast<size_t>(flujo_.gcount());
    }
    Fallo Volver(uint64_t posicion) override {
        flujo_.clear();
        flujo_.seekg(static_cast<std::streamoff>(posicion));
        if (!flujo_) return ErrorDe(CodigoError::Sistema);
        return std::nullopt;
    }

private:
    std::ifstream flujo_;
};

// The entry of `carpeta` whose name equals `nombre` without regard to case.
// Only needed where file names are case-sensitive: on Windows the exact
// look-up has already found it.
std::optional<fs::path> BuscarSinMayusculas(const fs::path& carpeta, const std::u16string& nombre) {
    const std::u16string buscado = SinMayusculas(nombre);
    std::error_code error;
    for (fs::directory_iterator it(carpeta, error), fin; !error && it != fin; it.increment(error)) {
        try {
            if (SinMayusculas(it->path().filename().u16string()) == buscado) return it->path();
        } catch (const std::exception&) {
            // A name that is not valid UTF-8 cannot be the one in the menu.
        }
    }
    return std::nullopt;
}

}  // namespace

Resultado<std::unique_ptr<ArchivoLectura>> SistemaArchivosReal::Abrir(const fs::path& ruta) {
    std::error_code error;
    const fs::file_status estado = fs::status(ruta, error);
    if (!fs::exists(estado)) return ErrorDe(CodigoError::ArchivoNoEncontrado);
    // Windows refuses to open a folder as a file.
    if (fs::is_directory(estado)) return ErrorDe(CodigoError::AccesoRutaArchivo);
    std::ifstream flujo(ruta, std::ios::binary);
    if (!flujo) return ErrorDe(CodigoError::PermisoDenegado);
    return std::unique_ptr<ArchivoLectura>(std::make_unique<ArchivoFlujo>(std::move(flujo)));
}

TipoRuta SistemaArchivosReal::Tipo(const fs::path& carpeta, const std::vector<std::u16string>& componentes) {
    fs::path actual = carpeta;
    std::error_code error;
    for (const std::u16string& componente : componentes) {
        // A NUL would cut the name short where the system reads it.
        if (componente.find(u'\0') != std::u16string::npos) return TipoRuta::NoExiste;
        fs::path exacta = actual / fs::path(componente);
        if (fs::exists(exacta, error)) {
            actual = std::move(exacta);
            continue;
        }
        auto parecida = BuscarSinMayusculas(actual, componente);
        if (!parecida) return TipoRuta::NoExiste;
        actual = std::move(*parecida);
    }
    const fs::file_status estado = fs::status(actual, error);
    if (fs::is_directory(estado)) return TipoRuta::Carpeta;
    return fs::exists(estado) ? TipoRuta::Archivo : TipoRuta::NoExiste;
}

std::vector<std::u16string> SistemaArchivosReal::Archivos(const fs::path& carpeta) {
    std::vector<std::u16string> nombres;
    std::error_code error;
    for (fs::directory_iterator it(carpeta, error), fin; !error && it != fin; it.increment(error)) {
        std::error_code tipo;
        if (!it->is_regular_file(tipo)) continue;
        try {
            nombres.push_back(it->path().filename().u16string());
        } catch (const std::exception&) {
            // A Linux name that is not UTF-8 is no language file.
        }
    }
    return nombres;
}

}  // namespace instalar::comprobar
