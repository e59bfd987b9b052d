#pragma once
// A machine described in a test: its architecture and version, the
// registry keys and files it has, the products Windows Installer knows.
// Every question is counted, so a test can tell that a menu asked none.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "interfaces/Maquina.h"

namespace instalar::prueba {

class MaquinaFalsa : public Maquina {
public:
    std::optional<Arquitectura> arquitectura = Arquitectura::X64;
    std::optional<NumeroVersion> version = NumeroVersion{{10, 0, 19045, 0}};
    std::set<std::tuple<RaizRegistro, VistaRegistro, std::u16string>> claves;
    // Keys the registry refuses to open.
    std::set<std::u16string> clavesDenegadas;
    std::set<std::u16string> productos;
    // Answers "installed" for any code it is asked about, well-formed or not.
    bool todoProductoInstalado = false;
    std::map<std::u16string, std::u16string> entorno;  // %NAME% -> value
    // Files, each with its version (none: no version resource, or a damaged one).
    std::map<std::u16string, std::optional<NumeroVersion>> archivos;

    int preguntas = 0;

    std::optional<Arquitectura> ArquitecturaNativa() override {
        ++preguntas;
        return arquitectura;
    }
    std::optional<NumeroVersion> VersionDeWindows() override {
        ++preguntas;
        return version;
    }
    Respuesta ExisteClave(RaizRegistro raiz, VistaRegistro vista, const std::u16string& ruta) override {
        ++preguntas;
        if (clavesDenegadas.count(ruta)) return Respuesta::NoSeSabe;
        return claves.count({raiz, vista, ruta}) ? Respuesta::Si : Respuesta::No;
    }
    Respuesta ProductoInstalado(const std::u16string& codigo) override {
        ++preguntas;
        return todoProductoInstalado || productos.count(codigo) ? Respuesta::Si : Respuesta::No;
    }
    std::optional<std::u16string> ExpandirEntorno(const std::u16string& texto) override {
        ++preguntas;
        std::u16string resultado = texto;
        for (const auto& [nombre, valor] : entorno) {
            const std::u16string marca = u"%" + nombre + u"%";
            for (size_t i = resultado.find(marca); i != std::u16string::npos; i = resultado.find(marca, i + valor.size()))
                resultado.replace(i, marca.size(), valor);
        }
        return resultado;
    }
    Respuesta ExisteArchivo(const std::u16string& ruta) override {
        ++preguntas;
        return archivos.count(ruta) ? Respuesta::Si : Respuesta::No;
    }
    std::optional<NumeroVersion> VersionDeArchivo(const std::u16string& ruta) override {
        ++preguntas;
        const auto archivo = archivos.find(ruta);
        if (archivo == archivos.end()) return std::nullopt;
        return archivo->second;
    }
};

}  // namespace instalar::prueba
