#include "win32host/ArchivosWin32.h"

#include <vector>

#include "win32host/ErroresWin32.h"
#include "win32host/Manejadores.h"
#include "win32host/TextoWin32.h"

namespace instalar::win32 {

namespace {

class ArchivoWin32 : public ArchivoLectura {
public:
    explicit ArchivoWin32(Archivo archivo) : archivo_(std::move(archivo)) {}
    Resultado<size_t> Leer(char* destino, size_t capacidad) override {
        DWORD leidos = 0;
        const DWORD pedidos = static_cast<DWORD>(capacidad > 0x10000000 ? 0x10000000 : capacidad);
        if (!::ReadFile(archivo_.get(), destino, pedidos, &leidos, nullptr)) return UltimoError();
        return static_cast<size_t>(leidos);
    }
    Fallo Volver(uint64_t posicion) override {
        LARGE_INTEGER destino{};
        destino.QuadPart = static_cast<LONGLONG>(posicion);
        if (!::SetFilePointerEx(archivo_.get(), destino, nullptr, FILE_BEGIN)) return UltimoError();
        return std::nullopt;
    }

private:
    Archivo archivo_;
};

}  // namespace

Resultado<std::unique_ptr<ArchivoLectura>> ArchivosWin32::AbrirArchivo(const std::u16string& ruta) {
    Archivo archivo(::CreateFileW(W(ruta), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!archivo) return UltimoError(ruta);
    // A device (CON, a pipe) could block the window forever.
    if (::GetFileType(archivo.get()) != FILE_TYPE_DISK) return ErrorDe(CodigoError::NombreArchivoIncorrecto);
    return std::unique_ptr<ArchivoLectura>(std::make_unique<ArchivoWin32>(std::move(archivo)));
}

std::u16string ArchivosWin32::DesdeAnsi(std::string_view bytes) {
    if (bytes.empty()) return u"";
    const int largoBytes = static_cast<int>(bytes.size());
    const int largo = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), largoBytes, nullptr, 0);
    std::u16string texto(static_cast<size_t>(largo), u'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), largoBytes, reinterpret_cast<wchar_t*>(texto.data()), largo);
    return texto;
}

bool ArchivosWin32::IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, W(a), static_cast<int>(a.size()), W(b),
                            static_cast<int>(b.size())) == CSTR_EQUAL;
}

// Windows documents that comparing two sort keys gives what CompareString
// gives for the strings, with the same flags.  Without a key (the call
// failed) every name falls in one group, which is slower but still right.
std::u16string ArchivosWin32::GrupoDeNombre(const std::u16string& nombre) {
    const DWORD banderas = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int largoNombre = static_cast<int>(nombre.size());
    const int largo = ::LCMapStringW(LOCALE_USER_DEFAULT, banderas, W(nombre), largoNombre, nullptr, 0);
    if (largo <= 0) return {};
    std::vector<unsigned char> clave(static_cast<size_t>(largo));
    // A sort key is bytes, though the call's buffer is typed as wide characters.
    if (::LCMapStringW(LOCALE_USER_DEFAULT, banderas, W(nombre), largoNombre, reinterpret_cast<wchar_t*>(clave.data()),
                       largo) != largo)
        return {};
    return std::u16string(clave.begin(), clave.end());
}

Resultado<std::string> ArchivosWin32::LeerEntero(const std::u16string& ruta, size_t maximo) {
    auto archivo = AbrirArchivo(ruta);
    if (!archivo) return archivo.error();
    std::string bytes;
    char bloque[64 * 1024];
    for (;;) {
        auto leidos = archivo.valor()->Leer(bloque, sizeof(bloque));
        if (!leidos) return leidos.error();
        if (leidos.valor() == 0) return bytes;
        if (bytes.size() + leidos.valor() > maximo) return ErrorDe(CodigoError::Sistema);
        bytes.append(bloque, leidos.valor());
    }
}

std::optional<HuellaArchivo> ArchivosWin32::Huella(const std::u16string& ruta) {
    WIN32_FILE_ATTRIBUTE_DATA datos{};
    if (!::GetFileAttributesExW(W(ruta), GetFileExInfoStandard, &datos)) return std::nullopt;
    auto entero = [](DWORD alto, DWORD bajo) { return (static_cast<uint64_t>(alto) << 32) | bajo; };
    return HuellaArchivo{entero(datos.nFileSizeHigh, datos.nFileSizeLow),
                         entero(datos.ftLastWriteTime.dwHighDateTime, datos.ftLastWriteTime.dwLowDateTime)};
}

}  // namespace instalar::win32
