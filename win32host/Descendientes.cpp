#include "win32host/Descendientes.h"

#include <tlhelp32.h>

namespace instalar::win32 {

namespace {

ULONGLONG Cuenta(const FILETIME& tiempo) {
    return (static_cast<ULONGLONG>(tiempo.dwHighDateTime) << 32) | tiempo.dwLowDateTime;
}

// What the menu may hold of any process, an elevated one included.
constexpr DWORD kAccesoSeguir = SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION;

bool EnMarcha(HANDLE proceso) { return ::WaitForSingleObject(proceso, 0) == WAIT_TIMEOUT; }

ULONGLONG Ahora() {
    FILETIME ahora{};
    ::GetSystemTimeAsFileTime(&ahora);
    return Cuenta(ahora);
}

}  // namespace

TiemposProceso TiemposDe(HANDLE proceso) {
    FILETIME creado{}, terminado{}, nucleo{}, usuario{};
    if (!::GetProcessTimes(proceso, &creado, &terminado, &nucleo, &usuario)) return {};
    return {Cuenta(creado), Cuenta(terminado)};
}

bool EsAnfitrionDeConsola(const std::u16string& archivo) {
    return ::CompareStringOrdinal(reinterpret_cast<const wchar_t*>(archivo.c_str()), -1, L"conhost.exe", -1, TRUE) ==
           CSTR_EQUAL;
}

std::u16string NombreDeArchivoDe(HANDLE proceso) {
    std::u16string ruta(MAX_PATH * 4, u'\0');
    DWORD largo = static_cast<DWORD>(ruta.size());
    if (!::QueryFullProcessImageNameW(proceso, 0, reinterpret_cast<wchar_t*>(ruta.data()), &largo)) return u"";
    ruta.resize(largo);
    const size_t separador = ruta.find_last_of(u"\\/");
    return separador == std::u16string::npos ? ruta : ruta.substr(separador + 1);
}

Descendientes::Descendientes(HANDLE raiz) {
    seguidos_.push_back(Seguido{::GetProcessId(raiz), TiemposDe(raiz).creado, ManejadorProceso{}, u""});
    Buscar();
}

// Every process known is held (the root by the caller), so its id is not
// reused while it is followed: the id alone tells it.
bool Descendientes::Conocido(DWORD id) const {
    for (const Seguido& s : seguidos_)
        if (s.id == id) return true;
    return false;
}

const Descendientes::Seguido* Descendientes::Padre(DWORD id) const {
    for (const Seguido& s : seguidos_)
        if (s.id == id) return &s;
    return nullptr;
}

void Descendientes::Buscar() {
    const Archivo foto(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!foto) return;
    std::vector<PROCESSENTRY32W> lista;
    PROCESSENTRY32W datos{};
    datos.dwSize = sizeof datos;
    for (BOOL hay = ::Process32FirstW(foto.get(), &datos); hay; hay = ::Process32NextW(foto.get(), &datos))
        lista.push_back(datos);
    disponible_ = disponible_ || !lista.empty();
    // A grandchild may come before its parent in the list: go over it
    // again while it yields new ones.
    for (bool nuevos = true; nuevos;) {
        nuevos = false;
        for (const PROCESSENTRY32W& entrada : lista) {
            const Seguido* padre = Padre(entrada.th32ParentProcessID);
            if (!padre || entrada.th32ProcessID == entrada.th32ParentProcessID || Conocido(entrada.th32ProcessID))
                continue;
            const std::u16string nombre = reinterpret_cast<const char16_t*>(entrada.szExeFile);
            if (EsAnfitrionDeConsola(nombre)) continue;
            ManejadorProceso proceso(::OpenProcess(kAccesoSeguir, FALSE, entrada.th32ProcessID));
            if (!proceso) continue;
            // A process still being made may show no name and no
            // creation time yet (seen under Wine): it is taken at a
            // later look.
            const ULONGLONG creado = TiemposDe(proceso.get()).creado;
            if (nombre.empty() || creado == 0 || creado > Ahora()) continue;
            if (creado < padre->creado) continue;
            seguidos_.push_back(Seguido{entrada.th32ProcessID, creado, std::move(proceso), nombre});
            nuevos = true;
        }
    }
}

std::optional<std::u16string> Descendientes::UnoEnMarcha() const {
    for (const Seguido& s : seguidos_)
        if (s.proceso && EnMarcha(s.proceso.get())) return s.nombre;
    return std::nullopt;
}

bool Descendientes::AlgunoTerminoDespues(ULONGLONG limite) const {
    for (const Seguido& s : seguidos_) {
        if (!s.proceso) continue;
        if (EnMarcha(s.proceso.get()) || TiemposDe(s.proceso.get()).terminado > limite) return true;
    }
    return false;
}

}  // namespace instalar::win32
