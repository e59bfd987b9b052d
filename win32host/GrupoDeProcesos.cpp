#include "win32host/GrupoDeProcesos.h"

namespace instalar::win32 {

std::optional<GrupoDeProcesos> GrupoDeProcesos::Crear() {
    ManejadorTrabajo trabajo(::CreateJobObjectW(nullptr, nullptr));
    if (!trabajo) return std::nullopt;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limites{};
    limites.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
    if (!::SetInformationJobObject(trabajo.get(), JobObjectExtendedLimitInformation, &limites, sizeof(limites)))
        return std::nullopt;
    return GrupoDeProcesos(std::move(trabajo));
}

bool GrupoDeProcesos::Anadir(HANDLE proceso) { return ::AssignProcessToJobObject(trabajo_.get(), proceso) != FALSE; }

bool GrupoDeProcesos::Vacio() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION cuentas{};
    if (!::QueryInformationJobObject(trabajo_.get(), JobObjectBasicAccountingInformation, &cuentas, sizeof(cuentas),
                                     nullptr))
        return true;
    return cuentas.ActiveProcesses == 0;
}

}  // namespace instalar::win32
