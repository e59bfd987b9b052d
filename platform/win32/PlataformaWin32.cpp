#include "platform/win32/PlataformaWin32.h"

#include <shellapi.h>

#include <cmath>
#include <vector>

#include "platform/ComprobarBmp.h"
#include "platform/win32/BibliotecasSistema.h"
#include "platform/win32/ErroresWin32.h"
#include "platform/win32/Pintor.h"
#include "platform/win32/TextoWin32.h"

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

private:
    Archivo archivo_;
};

constexpr size_t kTamanoMaximoLogo = 256u * 1024 * 1024;

}  // namespace

Resultado<std::string> PlataformaWin32::LeerArchivoPequeno(const std::u16string& ruta) {
    auto archivo = AbrirArchivo(ruta);
    if (!archivo) return archivo.error();
    std::string bytes;
    char bloque[64 * 1024];
    for (;;) {
        auto leidos = archivo.valor()->Leer(bloque, sizeof(bloque));
        if (!leidos) return leidos.error();
        if (leidos.valor() == 0) return bytes;
        if (bytes.size() + leidos.valor() > kTamanoMaximoLogo) return ErrorDe(CodigoError::Sistema);
        bytes.append(bloque, leidos.valor());
    }
}

int DpiDePantalla() {
    DCVentana pantalla(nullptr);
    const int dpi = ::GetDeviceCaps(pantalla.get(), LOGPIXELSX);
    return dpi > 0 ? dpi : 96;
}

std::u16string ArgumentosDe(const std::u16string& lineaCompleta) {
    size_t i = 0;
    if (i < lineaCompleta.size() && lineaCompleta[i] == u'"') {
        const size_t cierre = lineaCompleta.find(u'"', 1);
        i = cierre == std::u16string::npos ? lineaCompleta.size() : cierre + 1;
    }
    while (i < lineaCompleta.size() && lineaCompleta[i] != u' ' && lineaCompleta[i] != u'\t') ++i;
    while (i < lineaCompleta.size() && (lineaCompleta[i] == u' ' || lineaCompleta[i] == u'\t')) ++i;
    return lineaCompleta.substr(i);
}

PlataformaWin32::PlataformaWin32(Fuentes& fuentes)
    : fuentes_(fuentes), dpi_(DpiDePantalla()), medidor_(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr)) {}

std::u16string PlataformaWin32::CarpetaPrograma() {
    std::vector<wchar_t> ruta(MAX_PATH);
    for (;;) {
        const DWORD largo = ::GetModuleFileNameW(nullptr, ruta.data(), static_cast<DWORD>(ruta.size()));
        if (largo == 0) return u"";
        if (largo < ruta.size()) {
            std::u16string completa = U(ruta.data(), largo);
            size_t separador = completa.find_last_of(u'\\');
            if (separador == std::u16string::npos) return u"";
            // A drive root keeps its backslash: "E:\".
            if (separador > 0 && completa[separador - 1] == u':') ++separador;
            return completa.substr(0, separador);
        }
        ruta.resize(ruta.size() * 2);
    }
}

std::u16string PlataformaWin32::LineaComandos() {
    const wchar_t* linea = ::GetCommandLineW();
    return ArgumentosDe(U(linea, wcslen(linea)));
}

Resultado<std::unique_ptr<ArchivoLectura>> PlataformaWin32::AbrirArchivo(const std::u16string& ruta) {
    HANDLE abierto = ::CreateFileW(W(ruta), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (abierto == INVALID_HANDLE_VALUE) return UltimoError();
    Archivo archivo(abierto);
    if (::GetFileType(abierto) != FILE_TYPE_DISK) return ErrorDe(CodigoError::NombreArchivoIncorrecto);
    return std::unique_ptr<ArchivoLectura>(std::make_unique<ArchivoWin32>(std::move(archivo)));
}

std::u16string PlataformaWin32::DesdeAnsi(std::string_view bytes) {
    if (bytes.empty()) return u"";
    const int largoBytes = static_cast<int>(bytes.size());
    const int largo = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), largoBytes, nullptr, 0);
    std::u16string texto(static_cast<size_t>(largo), u'\0');
    ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), largoBytes, reinterpret_cast<wchar_t*>(texto.data()), largo);
    return texto;
}

Resultado<int64_t> PlataformaWin32::LongitudArchivo(const std::u16string& ruta) {
    WIN32_FILE_ATTRIBUTE_DATA datos{};
    if (!::GetFileAttributesExW(W(ruta), GetFileExInfoStandard, &datos)) return UltimoError();
    // A folder is not a file to start.
    if (datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return ErrorDe(CodigoError::ArchivoNoEncontrado);
    return static_cast<int64_t>((static_cast<uint64_t>(datos.nFileSizeHigh) << 32) | datos.nFileSizeLow);
}

Fallo PlataformaWin32::CargarFondo(const std::u16string& ruta) {
    // Loaders differ on damaged files: some draw a picture cut short as
    // garbage.  Only a complete picture is used.
    auto bytes = LeerArchivoPequeno(ruta);
    if (!bytes) return bytes.error();
    if (!EsBmpCompleto(bytes.valor())) return ErrorDe(CodigoError::Sistema);
    HANDLE imagen = ::LoadImageW(nullptr, W(ruta), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!imagen) return UltimoError();
    fondo_.Restablecer(static_cast<HBITMAP>(imagen));
    return std::nullopt;
}

Tamano PlataformaWin32::MedirTexto(const instalar::Fuente& fuente, const std::u16string& texto, double anchoAjuste) {
    // One display DC serves every measurement (a menu may hold thousands of
    // items); it renders text exactly as the window does, which a memory DC
    // with its monochrome bitmap need not.
    HFONT elegida = fuentes_.Obtener(fuente);
    if (elegida != fuenteMedidor_) {
        ::SelectObject(medidor_.get(), elegida);
        fuenteMedidor_ = elegida;
    }
    const double twips = TwipsPorPixelX();
    if (texto.empty()) {
        TEXTMETRICW metricas{};
        ::GetTextMetricsW(medidor_.get(), &metricas);
        return {0, metricas.tmHeight * TwipsPorPixelY()};
    }
    if (anchoAjuste <= 0 && TextoDeUnaLinea(texto)) {
        // What DrawText finds for such a text, without its layout pass:
        // measuring is most of loading a menu of thousands of items.
        SIZE medida{};
        ::GetTextExtentPoint32W(medidor_.get(), W(texto), static_cast<int>(texto.size()), &medida);
        return {medida.cx * twips, medida.cy * TwipsPorPixelY()};
    }
    RECT caja{0, 0, anchoAjuste > 0 ? Pixeles(anchoAjuste, twips) : 0, 0};
    UINT formato = DT_CALCRECT | DT_LEFT | DT_NOCLIP;
    if (anchoAjuste > 0) formato |= DT_WORDBREAK;
    ::DrawTextW(medidor_.get(), W(texto), static_cast<int>(texto.size()), &caja, formato);
    const double ancho = anchoAjuste > 0 ? anchoAjuste : (caja.right - caja.left) * twips;
    return {ancho, (caja.bottom - caja.top) * TwipsPorPixelY()};
}

bool PlataformaWin32::IgualesSinMayusculas(const std::u16string& a, const std::u16string& b) {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, W(a), static_cast<int>(a.size()), W(b),
                            static_cast<int>(b.size())) == CSTR_EQUAL;
}

void PlataformaWin32::MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) {
    ::MessageBoxW(ventana_, W(texto), W(titulo), MB_OK | MB_ICONEXCLAMATION);
}

Punto PlataformaWin32::PosicionVentana() {
    RECT marco{};
    ::GetWindowRect(ventana_, &marco);
    return {marco.left * TwipsPorPixelX(), marco.top * TwipsPorPixelY()};
}

void PlataformaWin32::MoverVentana(Punto posicion) {
    ::SetWindowPos(ventana_, nullptr, Pixeles(posicion.x, TwipsPorPixelX()), Pixeles(posicion.y, TwipsPorPixelY()),
                   0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Fallo PlataformaWin32::IniciarProceso(const PeticionProceso& peticion) {
    STARTUPINFOW inicio{};
    inicio.cb = sizeof(inicio);
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = static_cast<WORD>(peticion.mostrar);
    // CreateProcessW may write into the command line it is given.
    std::u16string linea = peticion.lineaComandos;
    PROCESS_INFORMATION proceso{};
    const wchar_t* carpeta = peticion.carpetaTrabajo.empty() ? nullptr : W(peticion.carpetaTrabajo);
    if (!::CreateProcessW(W(peticion.aplicacion), reinterpret_cast<wchar_t*>(linea.data()), nullptr, nullptr, FALSE,
                          0, nullptr, carpeta, &inicio, &proceso))
        return UltimoError();
    ManejadorProceso hiloPrincipal(proceso.hThread);
    ManejadorProceso procesoIniciado(proceso.hProcess);
    return std::nullopt;
}

Fallo PlataformaWin32::EjecutarConShell(const PeticionProceso& peticion) {
    SHELLEXECUTEINFOW ejecucion{};
    ejecucion.cbSize = sizeof(ejecucion);
    ejecucion.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    ejecucion.hwnd = ventana_;
    ejecucion.lpFile = W(peticion.aplicacion);
    ejecucion.lpDirectory = peticion.carpetaTrabajo.empty() ? nullptr : W(peticion.carpetaTrabajo);
    ejecucion.nShow = peticion.mostrar;
    // Only a setup program that asks to be elevated comes this way, so
    // shell32 (and all it brings in) is loaded for it alone, not at every start.
    const Biblioteca shell = CargarBibliotecaDeSistema(L"shell32.dll");
    using ShellExecuteExWFn = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    const auto ejecutar = FuncionDe<ShellExecuteExWFn>(shell, "ShellExecuteExW");
    if (!ejecutar) return UltimoError();
    if (!ejecutar(&ejecucion)) return UltimoError();
    return std::nullopt;
}

}  // namespace instalar::win32
