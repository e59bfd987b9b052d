#include "menufile/VisitaDeMaquina.h"

#include <utility>

namespace instalar {

const HechosMaquina& FuenteDeHechos::Hechos() {
    if (!hechos_) {
        hechos_ = HechosMaquina{};
        if (maquina_) {
            hechos_->arquitectura = maquina_->ArquitecturaNativa();
            hechos_->version = maquina_->VersionDeWindows();
        }
    }
    return *hechos_;
}

void VisitaDeMaquina::Directiva(const LineaLeida& linea, std::u16string_view nombre) {
    interior_.Directiva(linea, nombre);
    if (const auto requisito = RequisitoDe(nombre)) pendientes_.Anotar(*requisito);
}

bool VisitaDeMaquina::Tomar() {
    actuales_ = std::exchange(pendientes_, RequisitosEntrada{});
    if (actuales_.Vacios()) {
        decision_ = {};
        return true;
    }
    conRequisitos_ = true;
    decision_ = Decidir(actuales_, hechos_.Hechos());
    return decision_.presencia != Presencia::Oculta;
}

void VisitaDeMaquina::Opcion(const LineaLeida& linea, Entrada&& entrada) {
    if (Tomar()) interior_.Opcion(linea, std::move(entrada));
}

void VisitaDeMaquina::OpcionDeMas(const LineaLeida& linea, Entrada&& entrada) {
    if (Tomar()) interior_.OpcionDeMas(linea, std::move(entrada));
}

}  // namespace instalar
