#include "win32host/MaquinaWin32.h"

#include <string>

#include "win32host/TextoWin32.h"

namespace instalar::win32 {

namespace {

// A function of a DLL every process has loaded, looked up rather than
// imported: some are missing on older Windows, and the program's imports
// stay what they were.
template <typename F>
F FuncionDeModulo(const wchar_t* modulo, const char* nombre) {
    const HMODULE cargado = ::GetModuleHandleW(modulo);
    return cargado ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(cargado, nombre))) : nullptr;
}

std::optional<Arquitectura> DeMaquinaPe(USHORT maquina) {
    switch (maquina) {
    case 0x014c: return Arquitectura::X86;    // IMAGE_FILE_MACHINE_I386
    case 0x8664: return Arquitectura::X64;    // IMAGE_FILE_MACHINE_AMD64
    case 0xAA64: return Arquitectura::Arm64;  // IMAGE_FILE_MACHINE_ARM64
    }
    return std::nullopt;
}

std::optional<Arquitectura> DeArquitecturaDeProcesador(WORD arquitectura) {
    switch (arquitectura) {
    case 0: return Arquitectura::X86;    // PROCESSOR_ARCHITECTURE_INTEL
    case 9: return Arquitectura::X64;    // PROCESSOR_ARCHITECTURE_AMD64
    case 12: return Arquitectura::Arm64;  // PROCESSOR_ARCHITECTURE_ARM64
    }
    return std::nullopt;
}

// The architecture this program was built for: the machine's own when the
// process does not run under WOW64.
constexpr Arquitectura kArquitecturaPropia =
#if defined(_M_ARM64) || defined(__aarch64__)
    Arquitectura::Arm64;
#elif defined(_WIN64)
    Arquitectura::X64;
#else
    Arquitectura::X86;
#endif

}  // namespace

const Biblioteca& MaquinaWin32::Cargada(Biblioteca& biblioteca, bool& intentada, const wchar_t* nombre) {
    if (!intentada) {
        intentada = true;
        biblioteca = CargarBibliotecaDeSistema(nombre);
    }
    return biblioteca;
}

std::optional<Arquitectura> MaquinaWin32::ArquitecturaNativa() {
    using IsWow64Process2Fn = BOOL(WINAPI*)(HANDLE, USHORT*, USHORT*);
    if (const auto wow64Process2 = FuncionDeModulo<IsWow64Process2Fn>(L"kernel32.dll", "IsWow64Process2")) {
        USHORT proceso = 0, nativa = 0;
        if (wow64Process2(::GetCurrentProcess(), &proceso, &nativa)) return DeMaquinaPe(nativa);
    }
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, BOOL*);
    using GetNativeSystemInfoFn = void(WINAPI*)(SYSTEM_INFO*);
    const auto wow64Process = FuncionDeModulo<IsWow64ProcessFn>(L"kernel32.dll", "IsWow64Process");
    BOOL wow64 = FALSE;
    if (!wow64Process || !wow64Process(::GetCurrentProcess(), &wow64) || !wow64) return kArquitecturaPropia;
    const auto nativa = FuncionDeModulo<GetNativeSystemInfoFn>(L"kernel32.dll", "GetNativeSystemInfo");
    if (!nativa) return std::nullopt;
    SYSTEM_INFO informacion{};
    nativa(&informacion);
    return DeArquitecturaDeProcesador(informacion.wProcessorArchitecture);
}

std::optional<NumeroVersion> MaquinaWin32::VersionDeWindows() {
    // Unlike GetVersionEx, it tells the truth whatever the manifest says.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto rtlGetVersion = FuncionDeModulo<RtlGetVersionFn>(L"ntdll.dll", "RtlGetVersion");
    if (!rtlGetVersion) return std::nullopt;
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (rtlGetVersion(&version) != 0) return std::nullopt;
    return NumeroVersion{{version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber, 0}};
}

Respuesta MaquinaWin32::ExisteClave(RaizRegistro raiz, VistaRegistro vista, const std::u16string& ruta) {
    using RegOpenKeyExWFn = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY);
    using RegCloseKeyFn = LONG(WINAPI*)(HKEY);
    const Biblioteca& advapi32 = Cargada(advapi32_, advapi32Intentada_, L"advapi32.dll");
    const auto abrir = FuncionDe<RegOpenKeyExWFn>(advapi32, "RegOpenKeyExW");
    const auto cerrar = FuncionDe<RegCloseKeyFn>(advapi32, "RegCloseKey");
    if (!abrir || !cerrar) return Respuesta::NoSeSabe;
    // The user's Software key is one for 32- and 64-bit programs.
    const HKEY base = raiz == RaizRegistro::MaquinaLocal ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    REGSAM acceso = KEY_QUERY_VALUE;
    if (raiz == RaizRegistro::MaquinaLocal)
        acceso |= vista == VistaRegistro::De64Bits ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    HKEY clave = nullptr;
    const LONG error = abrir(base, W(ruta), 0, acceso, &clave);
    if (error == ERROR_SUCCESS) {
        cerrar(clave);
        return Respuesta::Si;
    }
    return error == ERROR_FILE_NOT_FOUND ? Respuesta::No : Respuesta::NoSeSabe;
}

Respuesta MaquinaWin32::ProductoInstalado(const std::u16string& codigo) {
    using MsiQueryProductStateWFn = INT(WINAPI*)(LPCWSTR);
    constexpr INT kInstalado = 5;  // INSTALLSTATE_DEFAULT
    const Biblioteca& msi = Cargada(msi_, msiIntentada_, L"msi.dll");
    const auto estado = FuncionDe<MsiQueryProductStateWFn>(msi, "MsiQueryProductStateW");
    if (!estado) return Respuesta::NoSeSabe;
    return estado(W(codigo)) == kInstalado ? Respuesta::Si : Respuesta::No;
}

std::optional<std::u16string> MaquinaWin32::ExpandirEntorno(const std::u16string& texto) {
    using ExpandEnvironmentStringsWFn = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    const auto expandir = FuncionDeModulo<ExpandEnvironmentStringsWFn>(L"kernel32.dll", "ExpandEnvironmentStringsW");
    if (!expandir) return std::nullopt;
    // The program's own string type as the buffer: no other one to carry.
    std::u16string expandido(texto.size() + 64, u'\0');
    for (int intento = 0; intento < 3; ++intento) {
        const DWORD largo = expandir(W(texto), reinterpret_cast<wchar_t*>(&expandido[0]),
                                     static_cast<DWORD>(expandido.size()));
        if (largo == 0) return std::nullopt;
        if (largo <= expandido.size()) {
            expandido.resize(largo - 1);
            return expandido;
        }
        expandido.resize(largo);  // a variable may change between the two calls
    }
    return std::nullopt;
}

Respuesta MaquinaWin32::ExisteArchivo(const std::u16string& ruta) {
    const DWORD atributos = ::GetFileAttributesW(W(ruta));
    if (atributos != INVALID_FILE_ATTRIBUTES) return atributos & FILE_ATTRIBUTE_DIRECTORY ? Respuesta::No : Respuesta::Si;
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Respuesta::No : Respuesta::NoSeSabe;
}

std::optional<NumeroVersion> MaquinaWin32::VersionDeArchivo(const std::u16string& ruta) {
    using GetFileVersionInfoSizeWFn = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using GetFileVersionInfoWFn = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using VerQueryValueWFn = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
    const Biblioteca& version = Cargada(version_, versionIntentada_, L"version.dll");
    const auto tamano = FuncionDe<GetFileVersionInfoSizeWFn>(version, "GetFileVersionInfoSizeW");
    const auto leer = FuncionDe<GetFileVersionInfoWFn>(version, "GetFileVersionInfoW");
    const auto consultar = FuncionDe<VerQueryValueWFn>(version, "VerQueryValueW");
    if (!tamano || !leer || !consultar) return std::nullopt;
    DWORD ignorado = 0;
    const DWORD bytes = tamano(W(ruta), &ignorado);
    if (bytes == 0) return std::nullopt;
    std::string datos(bytes, '\0');
    if (!leer(W(ruta), 0, bytes, &datos[0])) return std::nullopt;
    void* valor = nullptr;
    UINT largo = 0;
    if (!consultar(datos.data(), L"\\", &valor, &largo) || !valor || largo < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    const auto* fija = static_cast<const VS_FIXEDFILEINFO*>(valor);
    // A damaged resource, not the fixed part it should be.
    if (fija->dwSignature != 0xFEEF04BD) return std::nullopt;
    return NumeroVersion{{HIWORD(fija->dwFileVersionMS), LOWORD(fija->dwFileVersionMS), HIWORD(fija->dwFileVersionLS),
                          LOWORD(fija->dwFileVersionLS)}};
}

}  // namespace instalar::win32
