#include "win32host/AnfitrionWin32.h"

#include <cwchar>
#include <vector>

#include "win32host/ErroresWin32.h"
#include "win32host/IdiomasWin32.h"
#include "win32host/TextoWin32.h"
#include "window/ComprobarBmp.h"

namespace instalar::win32 {

namespace {

// Larger than any picture that could sensibly be a logo.
constexpr size_t kTamanoMaximoLogo = 256u * 1024 * 1024;

}  // namespace

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

std::u16string AnfitrionWin32::CarpetaPrograma() {
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

std::u16string AnfitrionWin32::LineaComandos() {
    if (lineaComandos_) return *lineaComandos_;
    const wchar_t* linea = ::GetCommandLineW();
    return ArgumentosDe(U(linea, std::wcslen(linea)));
}

std::vector<std::u16string> AnfitrionWin32::IdiomasPreferidos() { return IdiomasDeUsuario(); }

void AnfitrionWin32::MostrarMensaje(const std::u16string& texto, const std::u16string& titulo) {
    ::MessageBoxW(ventana_, W(texto), W(titulo), MB_OK | MB_ICONEXCLAMATION);
}

bool AnfitrionWin32::PreguntarSiNo(const std::u16string& texto, const std::u16string& titulo) {
    return ::MessageBoxW(ventana_, W(texto), W(titulo), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

Punto AnfitrionWin32::PosicionVentana() {
    RECT marco{};
    ::GetWindowRect(ventana_, &marco);
    return escala_.ATwips(marco.left, marco.top);
}

void AnfitrionWin32::MoverVentana(Punto posicion) {
    ::SetWindowPos(ventana_, nullptr, escala_.Pixeles(posicion.x), escala_.Pixeles(posicion.y), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Fallo AnfitrionWin32::CargarFondo(const std::u16string& ruta) {
    // Loaders differ on damaged files: some draw a picture cut short as
    // garbage.  Only a complete picture is used.
    auto bytes = archivos_.LeerEntero(ruta, kTamanoMaximoLogo);
    if (!bytes) return bytes.error();
    if (!EsBmpCompleto(bytes.valor())) return ErrorDe(CodigoError::Sistema);
    HANDLE imagen = ::LoadImageW(nullptr, W(ruta), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!imagen) return UltimoError(ruta);
    fondo_.Restablecer(static_cast<HBITMAP>(imagen));
    return std::nullopt;
}

}  // namespace instalar::win32
