#include "Procesos.h"

#include <algorithm>

#include <tlhelp32.h>
#include <psapi.h>

#include "Errores.h"
#include "Texto.h"

namespace herramientas {

namespace {

using instalar::win32::ManejadorProceso;
// A Toolhelp snapshot of the running processes or of one's modules.
using Foto = instalar::win32::Archivo;

// Long enough for Wine to tear down a process with windows on a busy machine.
constexpr DWORD kEsperaAlTerminar = 10000;

ULONGLONG Creacion(HANDLE proceso) {
    FILETIME creado{}, fin{}, nucleo{}, usuario{};
    if (!GetProcessTimes(proceso, &creado, &fin, &nucleo, &usuario)) return 0;
    return (static_cast<ULONGLONG>(creado.dwHighDateTime) << 32) | creado.dwLowDateTime;
}

PROCESS_INFORMATION Iniciar(const std::wstring& programa, const std::wstring& lineaDeOrdenes,
                            const std::wstring& carpetaTrabajo) {
    std::wstring linea = lineaDeOrdenes;  // CreateProcessW may write into it
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(programa.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        carpetaTrabajo.c_str(), &inicio, &info)) {
        // Taken before the message is built: a caller may retry on one code.
        const DWORD codigo = GetLastError();
        throw ErrorWin32("cannot start " + Utf8(lineaDeOrdenes), codigo);
    }
    return info;
}

}  // namespace

Proceso::Proceso(const std::wstring& programa, const std::wstring& lineaDeOrdenes,
                 const std::wstring& carpetaTrabajo) {
    const PROCESS_INFORMATION info = Iniciar(programa, lineaDeOrdenes, carpetaTrabajo);
    proceso_.Restablecer(info.hProcess);
    hilo_.Restablecer(info.hThread);
    id_ = info.dwProcessId;
}

Proceso::~Proceso() { Terminar(); }

bool Proceso::EsperarSalida(DWORD milisegundos) const {
    return WaitForSingleObject(proceso_.get(), milisegundos) == WAIT_OBJECT_0;
}

void Proceso::Terminar() const {
    if (!Terminado()) {
        TerminateProcess(proceso_.get(), 1);
        EsperarSalida(kEsperaAlTerminar);
    }
}

DWORD Proceso::CodigoDeSalida() const {
    DWORD codigo = 0;
    if (!GetExitCodeProcess(proceso_.get(), &codigo)) Fallar("GetExitCodeProcess");
    return codigo;
}

std::vector<ProcesoEnMarcha> ProcesosHijos(HANDLE padre) {
    const DWORD idPadre = GetProcessId(padre);
    const ULONGLONG nacimiento = Creacion(padre);
    if (idPadre == 0 || nacimiento == 0) Fallar("GetProcessTimes");
    const Foto foto(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!foto) Fallar("CreateToolhelp32Snapshot");
    std::vector<ProcesoEnMarcha> hijos;
    PROCESSENTRY32W datos{};
    datos.dwSize = sizeof datos;
    for (BOOL hay = Process32FirstW(foto.get(), &datos); hay; hay = Process32NextW(foto.get(), &datos)) {
        if (datos.th32ParentProcessID != idPadre || datos.th32ProcessID == idPadre) continue;
        // A process that has ended meanwhile cannot be opened: it does not run.
        const ManejadorProceso hijo(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE, FALSE, datos.th32ProcessID));
        if (!hijo || WaitForSingleObject(hijo.get(), 0) == WAIT_OBJECT_0) continue;
        if (Creacion(hijo.get()) >= nacimiento) hijos.push_back({datos.th32ProcessID, datos.szExeFile});
    }
    return hijos;
}

std::string Describir(const std::vector<ProcesoEnMarcha>& procesos) {
    std::string texto;
    for (const ProcesoEnMarcha& p : procesos)
        texto += (texto.empty() ? "" : ", ") + Utf8(p.programa) + " (" + std::to_string(p.id) + ")";
    return texto.empty() ? "none" : texto;
}

namespace {

// The modules by the process's handle: Wine cannot take a snapshot of a
// 32-bit process's modules from a 64-bit one (error 998), as the x64
// drivers of the x86 suite need.
std::vector<std::wstring> ModulosPorManejador(DWORD proceso) {
    const instalar::win32::ManejadorProceso abierto(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, proceso));
    if (!abierto) Fallar("OpenProcess to read its modules");
    std::vector<HMODULE> lista(512);
    DWORD bytes = 0;
    if (!EnumProcessModulesEx(abierto.get(), lista.data(), static_cast<DWORD>(lista.size() * sizeof(HMODULE)), &bytes,
                              LIST_MODULES_ALL))
        Fallar("EnumProcessModulesEx");
    lista.resize(std::min<size_t>(lista.size(), bytes / sizeof(HMODULE)));
    std::vector<std::wstring> modulos;
    for (HMODULE modulo : lista) {
        wchar_t nombre[MAX_PATH];
        const DWORD largo = GetModuleBaseNameW(abierto.get(), modulo, nombre, MAX_PATH);
        if (largo == 0) continue;
        CharLowerBuffW(nombre, largo);
        modulos.emplace_back(nombre, largo);
    }
    return modulos;
}

}  // namespace

std::vector<std::wstring> ModulosDe(DWORD proceso) {
    Foto foto(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, proceso));
    // The system may be changing the list right then: it asks to try again.
    for (int intento = 0; !foto && GetLastError() == ERROR_BAD_LENGTH && intento < 5; ++intento)
        foto = Foto(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, proceso));
    if (!foto && GetLastError() == ERROR_NOACCESS) return ModulosPorManejador(proceso);
    if (!foto) Fallar("CreateToolhelp32Snapshot of the modules");
    std::vector<std::wstring> modulos;
    MODULEENTRY32W datos{};
    datos.dwSize = sizeof datos;
    for (BOOL hay = Module32FirstW(foto.get(), &datos); hay; hay = Module32NextW(foto.get(), &datos)) {
        std::wstring nombre = datos.szModule;
        CharLowerBuffW(nombre.data(), static_cast<DWORD>(nombre.size()));
        modulos.push_back(nombre);
    }
    return modulos;
}

}  // namespace herramientas
