#include "win32host/GrupoDeProcesos.h"

#include "win32host/Descendientes.h"

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

std::optional<std::u16string> GrupoDeProcesos::OtroEnMarcha(DWORD salvo) const {
    // Room for more processes than a setup starts at once; a longer list
    // fails to come, and the group then counts as running unnamed.
    struct {
        JOBOBJECT_BASIC_PROCESS_ID_LIST lista;
        ULONG_PTR resto[255];
    } ids{};
    if (!::QueryInformationJobObject(trabajo_.get(), JobObjectBasicProcessIdList, &ids, sizeof(ids), nullptr))
        return Vacio() ? std::nullopt : std::optional<std::u16string>(u"");
    const ULONG_PTR* id = ids.lista.ProcessIdList;
    for (DWORD i = 0; i < ids.lista.NumberOfProcessIdsInList; ++i) {
        if (id[i] == salvo) continue;
        const ManejadorProceso proceso(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id[i])));
        if (!proceso) return u"";
        std::u16string nombre = NombreDeArchivoDe(proceso.get());
        if (!EsAnfitrionDeConsola(nombre)) return nombre;
    }
    return std::nullopt;
}

}  // namespace instalar::win32
