#include "menufile/LectorLineas.h"

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
        const char byte = bufer_[posicion_++];
        if (byte == '\r') {
            if (HayByte() && bufer_[posicion_] == '\n') ++posicion_;
            return linea;
        }
        linea.push_back(byte);
    }
    if (errorPendiente_) return *std::exchange(errorPendiente_, std::nullopt);
    return linea;
}

}  // namespace instalar
