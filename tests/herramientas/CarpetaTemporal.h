// A folder of its own, removed with everything in it when the object goes:
// where a test lays out a medium, where the benchmark writes its menus.
// Only the standard library: the unit tests use it as it is; the Win32
// tools hand it the system's temporary folder in its long form, and their
// own way of removing a folder that a program which has just ended may
// still hold for a moment.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace herramientas {

class CarpetaTemporal {
public:
    // Removes a folder and everything in it, reporting nothing.
    using Borrar = void (*)(const std::filesystem::path& carpeta);

    // A new folder in `base`, named `prefijo` and a number that no other
    // folder of this run or of another uses.
    explicit CarpetaTemporal(const std::string& prefijo,
                             const std::filesystem::path& base = std::filesystem::temp_directory_path(),
                             Borrar borrar = BorrarConTodo)
        : ruta_(base / NombreUnico(prefijo)), borrar_(borrar) {
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() { borrar_(ruta_); }
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::filesystem::path& Ruta() const { return ruta_; }

    // A file with these bytes at `relativa` ("/" separated), with its folders.
    void Escribir(const std::string& relativa, const std::string& bytes) const {
        const std::filesystem::path ruta = ruta_ / relativa;
        std::filesystem::create_directories(ruta.parent_path());
        std::ofstream(ruta, std::ios::binary) << bytes;
    }
    void CrearCarpeta(const std::string& relativa) const { std::filesystem::create_directories(ruta_ / relativa); }

    static void BorrarConTodo(const std::filesystem::path& carpeta) {
        std::error_code error;
        std::filesystem::remove_all(carpeta, error);
    }

private:
    static std::string NombreUnico(const std::string& prefijo) {
        static std::atomic<unsigned> creadas{0};
        std::random_device azar;
        return prefijo + std::to_string(azar()) + "-" + std::to_string(azar()) + "-" + std::to_string(++creadas);
    }

    std::filesystem::path ruta_;
    Borrar borrar_;
};

}  // namespace herramientas
