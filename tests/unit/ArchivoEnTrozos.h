#pragma once
// A file in memory that hands out its bytes in pieces, so that a CR LF can
// fall on either side of a read: pieces of one size, or of the size a
// function gives for each read in turn.  Optionally a read fails once a
// number of bytes is out.  The fake platform's files are these, and so are
// the fuzz targets'.
//
// It can also hold its reader to the rules of a file: ask for at least one
// byte, read on neither after the end nor after a failure (until it goes
// back), and go back no further than it has read.  A reader that breaks one
// is reported to the function given to Vigilar.

#include <algorithm>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "interfaces/Archivos.h"

namespace instalar::prueba {

class ArchivoEnTrozos : public ArchivoLectura {
public:
    // The size of read number `lectura`, counted from 0.
    using Trozos = std::function<size_t(size_t lectura)>;
    // Told which rule was broken, by its condition, and where.
    using AlIncumplir = void (*)(const char* condicion, const char* archivo, int linea);

    ArchivoEnTrozos(std::string contenido, size_t trozo, std::optional<size_t> fallaTras = std::nullopt)
        : ArchivoEnTrozos(std::move(contenido), Trozos([trozo](size_t) { return trozo; }), fallaTras) {}
    ArchivoEnTrozos(std::string contenido, Trozos trozos, std::optional<size_t> fallaTras = std::nullopt)
        : contenido_(std::move(contenido)), trozos_(std::move(trozos)), fallaTras_(fallaTras) {}

    // Counts itself into `abiertos` while it lives.
    void ContarAbierto(int& abiertos) {
        abiertos_ = &abiertos;
        ++abiertos;
    }
    // Counts what it hands out into `bytesLeidos` (a byte read twice counts
    // twice).
    void ContarBytes(size_t& bytesLeidos) { bytesLeidos_ = &bytesLeidos; }
    void Vigilar(AlIncumplir alIncumplir) { alIncumplir_ = alIncumplir; }

    ~ArchivoEnTrozos() override {
        if (abiertos_) --*abiertos_;
    }
    ArchivoEnTrozos(const ArchivoEnTrozos&) = delete;
    ArchivoEnTrozos& operator=(const ArchivoEnTrozos&) = delete;

    Resultado<size_t> Leer(char* destino, size_t capacidad) override {
        Exigir(capacidad > 0, "capacidad > 0", __LINE__);
        Exigir(!terminado_, "!terminado_", __LINE__);
        size_t limite = contenido_.size();
        if (fallaTras_) {
            if (leido_ == *fallaTras_) {
                terminado_ = true;
                return ErrorDe(CodigoError::PermisoDenegado, 5);
            }
            limite = std::min(limite, *fallaTras_);
        }
        const size_t n = std::min({capacidad, limite - leido_, trozos_(lecturas_++)});
        if (n == 0) terminado_ = true;
        std::memcpy(destino, contenido_.data() + leido_, n);
        leido_ += n;
        if (bytesLeidos_) *bytesLeidos_ += n;
        return n;
    }
    // Reading on after going back is allowed again, and fails again where it did.
    Fallo Volver(uint64_t posicion) override {
        Exigir(posicion <= leido_, "posicion <= leido_", __LINE__);
        leido_ = static_cast<size_t>(posicion);
        terminado_ = false;
        return std::nullopt;
    }

private:
    void Exigir(bool cumplida, const char* condicion, int linea) const {
        if (!cumplida && alIncumplir_) alIncumplir_(condicion, __FILE__, linea);
    }

    std::string contenido_;
    Trozos trozos_;
    std::optional<size_t> fallaTras_;
    size_t leido_ = 0;
    size_t lecturas_ = 0;
    bool terminado_ = false;
    int* abiertos_ = nullptr;
    size_t* bytesLeidos_ = nullptr;
    AlIncumplir alIncumplir_ = nullptr;
};

}  // namespace instalar::prueba
