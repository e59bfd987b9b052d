#include "menufile/LectorLineas.h"

#include <cstring>
#include <utility>

#include "common/Utf8.h"

namespace instalar {

namespace {

constexpr size_t kTamanoBufer = 64 * 1024;

bool EsUnidad(const char* p, char valor) { return p[0] == valor && p[1] == '\0'; }

// Lines that end within `bytes`: each CR ends one, with or without an LF.
int64_t FinesDeLinea(std::string_view bytes) {
    int64_t fines = 0;
    for (const char c : bytes) fines += c == '\r';
    return fines;
}

}  // namespace

LectorLineas::LectorLineas(std::unique_ptr<ArchivoLectura> archivo, size_t largoMaximo)
    : archivo_(std::move(archivo)), bufer_(kTamanoBufer), largoMaximo_(largoMaximo) {}

size_t LectorLineas::Disponibles(size_t cuantos) {
    while (final_ - posicion_ < cuantos && !agotado_ && !errorPendiente_) {
        // Keep what is left at the front and fill the rest.
        std::memmove(bufer_.data(), bufer_.data() + posicion_, final_ - posicion_);
        final_ -= posicion_;
        posicion_ = 0;
        auto leidos = archivo_->Leer(bufer_.data() + final_, bufer_.size() - final_);
        if (!leidos) {
            errorPendiente_ = leidos.error();
            break;
        }
        if (leidos.valor() == 0) agotado_ = true;
        final_ += leidos.valor();
        leidosDelArchivo_ += leidos.valor();
    }
    return final_ - posicion_;
}

bool LectorLineas::FinDeArchivo() { return Disponibles(unidad_) < unidad_ && !errorPendiente_; }

std::string_view LectorLineas::Inicio(size_t cuantos) {
    const size_t hay = Disponibles(cuantos);
    return std::string_view(bufer_.data() + posicion_, hay < cuantos ? hay : cuantos);
}

void LectorLineas::Saltar(size_t cuantos) { posicion_ += Disponibles(cuantos) < cuantos ? final_ - posicion_ : cuantos; }

Resultado<std::string> LectorLineas::LeerLinea() {
    return unidad_ == 1 ? LeerLineaDeBytes() : LeerLineaDeUnidades();
}

Resultado<std::string> LectorLineas::FinSinLinea() {
    if (errorPendiente_) return *std::exchange(errorPendiente_, std::nullopt);
    return ErrorDe(CodigoError::FinDeArchivo);
}

Resultado<std::string> LectorLineas::LeerLineaDeBytes() {
    if (Disponibles(1) == 0) return FinSinLinea();
    std::string linea;
    while (Disponibles(1) > 0) {
        // Copy the run of bytes up to the next CR in one go.
        const char* inicio = bufer_.data() + posicion_;
        const auto* retorno = static_cast<const char*>(std::memchr(inicio, '\r', final_ - posicion_));
        const size_t hasta = retorno ? static_cast<size_t>(retorno - inicio) : final_ - posicion_;
        if (linea.size() + hasta > largoMaximo_) return ErrorDe(CodigoError::Desbordamiento);
        if (!retorno) {
            linea.append(inicio, hasta);
            posicion_ = final_;
            continue;
        }
        linea.append(inicio, hasta);
        posicion_ += hasta + 1;
        if (Disponibles(1) > 0 && bufer_[posicion_] == '\n') ++posicion_;
        return linea;
    }
    if (errorPendiente_) return *std::exchange(errorPendiente_, std::nullopt);
    return linea;
}

Resultado<std::string> LectorLineas::LeerLineaDeUnidades() {
    if (Disponibles(2) < 2) return FinSinLinea();
    std::string linea;
    while (Disponibles(2) >= 2) {
        const char* inicio = bufer_.data() + posicion_;
        const size_t enteras = (final_ - posicion_) & ~size_t{1};
        size_t i = 0;
        while (i < enteras && !EsUnidad(inicio + i, '\r')) i += 2;
        if (linea.size() + i > 2 * largoMaximo_) return ErrorDe(CodigoError::Desbordamiento);
        linea.append(inicio, i);
        posicion_ += i;
        if (i == enteras) continue;
        posicion_ += 2;
        if (Disponibles(2) >= 2 && EsUnidad(bufer_.data() + posicion_, '\n')) posicion_ += 2;
        return linea;
    }
    if (errorPendiente_) return *std::exchange(errorPendiente_, std::nullopt);
    posicion_ = final_;  // an odd byte at the very end
    return linea;
}

// How far it looks: the line, what is left in the buffer, then the file to
// its end, until the first fault.  Only a file that is UTF-8 (or has UTF-8
// sequences up to its first fault) is read twice this way: in a file in an
// ANSI code page the first letter outside ASCII is usually the fault.
VistazoUtf8 LectorLineas::MirarUtf8(std::string_view linea) {
    ValidadorUtf8 validador;
    VistazoUtf8 vistazo;
    // A line end comes between the line and the rest: nothing runs across it.
    if (!validador.Anadir(linea) || !validador.Anadir("\r")) {
        vistazo.multibyte = validador.VioMultibyte();
        return vistazo;
    }
    int64_t finesAntesDelFallo = 0;
    auto mirar = [&](std::string_view bytes) {
        const size_t antes = validador.Aceptados();
        const bool sigue = validador.Anadir(bytes);
        finesAntesDelFallo += FinesDeLinea(bytes.substr(0, validador.Aceptados() - antes));
        return sigue;
    };
    bool leidoEntero = !errorPendiente_;
    const bool sigue = mirar(std::string_view(bufer_.data() + posicion_, final_ - posicion_));
    if (sigue && !agotado_ && !errorPendiente_) {
        std::vector<char> adelante(kTamanoBufer);
        for (;;) {
            auto leidos = archivo_->Leer(adelante.data(), adelante.size());
            // A file that cannot be read to its end is not taken for UTF-8;
            // the read fails again where the lines get to it.
            if (!leidos) leidoEntero = false;
            if (!leidos || leidos.valor() == 0) break;
            if (!mirar(std::string_view(adelante.data(), leidos.valor()))) break;
        }
        if (Fallo vuelta = archivo_->Volver(leidosDelArchivo_)) errorPendiente_ = std::move(vuelta);
    }
    vistazo.valido = validador.Completo() && leidoEntero && !errorPendiente_;
    vistazo.multibyte = validador.VioMultibyte();
    vistazo.lineasHastaFallo = 1 + finesAntesDelFallo;
    return vistazo;
}

}  // namespace instalar
