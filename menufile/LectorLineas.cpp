#include "menufile/LectorLineas.h"

#include <cstring>
#include <utility>

namespace instalar {

namespace {
constexpr size_t kTamanoBufer = 64 * 1024;
}

LectorLineas::LectorLineas(std::unique_ptr<ArchivoLectura> archivo)
    : archivo_(std::move(archivo)), bufer_(kTamanoBufer) {}

bool LectorLineas::HayByte() {
    if (posicion_ < final_) return true;
    if (agotado_ || errorPendiente_) return false;
    auto leidos = archivo_->Leer(bufer_.data(), bufer_.size());
    if (!leidos) {
        errorPendiente_ = leidos.error();
        return false;
    }
    posicion_ = 0;
    final_ = leidos.valor();
    if (final_ == 0) agotado_ = true;
    return final_ > 0;
}

bool LectorLineas::FinDeArchivo() {
    return !HayByte() && !errorPendiente_;
}

Resultado<std::string> LectorLineas::LeerLinea() {
    if (!HayByte()) {
        if (errorPendiente_) return *std::exchange(errorPendiente_, std::nullopt);
        return ErrorDe(CodigoError::FinDeArchivo);
    }
    std::string linea;
    while (HayByte()) {
        // Copy the run of bytes up to the next CR in one go.
        const char* inicio = bufer_.data() + posicion_;
        const auto* retorno = static_cast<const char*>(std::memchr(inicio, '\r', final_ - posicion_));
        if (!retorno) {
            linea.append(inicio, final_ - posicion_);
            posicion_ = final_;
            continue;
        }
        linea.append(inicio, static_cast<size_t>(retorno - inicio));
        posicion_ += static_cast<size_t>(retorno - inicio) + 1;
        if (HayByte() && bufer_[posicion_] == '\n') ++posicion_;
        return linea;
    }
    if (errorPendiente_) return *std::exchange(errorPendiente_, std::nullopt);
    return linea;
}

}  // namespace instalar
