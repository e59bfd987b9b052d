#pragma once
// A file in memory that hands out its bytes in pieces of a fixed size, so
// that a CR LF can fall on either side of a read; optionally a read fails
// once a number of bytes is out.  The fake platform's files are these.

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <utility>

#include "interfaces/Archivos.h"

namespace instalar::prueba {

class ArchivoEnTrozos : public ArchivoLectura {
public:
    ArchivoEnTrozos(std::string contenido, size_t trozo, std::optional<size_t> fallaTras = std::nullopt)
        : contenido_(std::move(contenido)), trozo_(trozo), fallaTras_(fallaTras) {}

    // Counts what it hands out into `bytesLeidos` (a byte read twice counts
    // twice), and itself into `abiertos` while it lives.
    void Contar(int& abiertos, size_t& bytesLeidos) {
        abiertos_ = &abiertos;
        bytesLeidos_ = &bytesLeidos;
        ++abiertos;
    }
    ~ArchivoEnTrozos() override {
        if (abiertos_) --*abiertos_;
    }
    ArchivoEnTrozos(const ArchivoEnTrozos&) = delete;
    ArchivoEnTrozos& operator=(const ArchivoEnTrozos&) = delete;

    Resultado<size_t> Leer(char* destino, size_t capacidad) override {
        size_t limite = contenido_.size();
        if (fallaTras_) {
            if (leido_ == *fallaTras_) return ErrorDe(CodigoError::PermisoDenegado, 5);
            limite = std::min(limite, *fallaTras_);
        }
        const size_t n = std::min({capacidad, trozo_, limite - leido_});
        std::memcpy(destino, contenido_.data() + leido_, n);
        leido_ += n;
        if (bytesLeidos_) *bytesLeidos_ += n;
        return n;
    }
    Fallo Volver(uint64_t posicion) override {
        leido_ = static_cast<size_t>(posicion);
        return std::nullopt;
    }

private:
    std::string contenido_;
    size_t trozo_;
    std::optional<size_t> fallaTras_;
    size_t leido_ = 0;
    int* abiertos_ = nullptr;
    size_t* bytesLeidos_ = nullptr;
};

}  // namespace instalar::prueba
