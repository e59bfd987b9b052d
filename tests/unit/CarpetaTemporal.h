#pragma once
// A folder of its own under the system's temporary folder, removed with
// the object: the checker's tests lay out small installation media in it.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace instalar::prueba {

class CarpetaTemporal {
public:
    CarpetaTemporal() {
        std::random_device azar;
        ruta_ = std::filesystem::temp_directory_path() /
                ("comprobar-" + std::to_string(azar()) + "-" + std::to_string(azar()));
        std::filesystem::create_directories(ruta_);
    }
    ~CarpetaTemporal() {
        std::error_code error;
        std::filesystem::remove_all(ruta_, error);
    }
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

private:
    std::filesystem::path ruta_;
};

}  // namespace instalar::prueba
