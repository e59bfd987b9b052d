#include "menufile/ArchivoMenu.h"

#include <algorithm>
#include <utility>

#include "common/Utf8.h"

namespace instalar {

namespace {

bool SoloAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::u16string DesdeUtf16(std::string_view bytes) {
    std::u16string texto(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < texto.size(); ++i) {
        texto[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return texto;
}

}  // namespace

ArchivoMenu::ArchivoMenu(Archivos& archivos, std::unique_ptr<ArchivoLectura> archivo)
    : archivos_(&archivos), lector_(std::move(archivo)) {}

Resultado<ArchivoMenu> ArchivoMenu::Abrir(Archivos& archivos, const std::u16string& ruta) {
    auto archivo = archivos.AbrirArchivo(ruta);
    if (!archivo) return archivo.error();
    ArchivoMenu abierto(archivos, std::move(archivo.valor()));
    abierto.LeerMarca();
    return abierto;
}

void ArchivoMenu::LeerMarca() {
    const Bom marca = BomAlInicio(lector_.Inicio(3));
    if (marca == Bom::Ninguna) return;
    lector_.Saltar(LargoDeBom(marca));
    Lectura lectura;
    lectura.marca = marca;
    if (marca == Bom::Utf8) lectura.codificacion = Codificacion::Utf8;
    if (marca == Bom::Utf16LE) {
        lectura.codificacion = Codificacion::Utf16;
        lector_.UsarUnidadesDe16Bits();
    }
    lectura_ = lectura;
}

// A file without a mark is UTF-8 only if all of it is well-formed UTF-8;
// until a byte outside ASCII comes, nothing depends on it.
void ArchivoMenu::Decidir(std::string_view linea) {
    const VistazoUtf8 vistazo = lector_.MirarUtf8(linea);
    Lectura lectura;
    lectura.codificacion = vistazo.valido ? Codificacion::Utf8 : Codificacion::Ansi;
    if (!vistazo.valido && vistazo.multibyte) lectura.lineaUtf8Rota = lineas_ + vistazo.lineasHastaFallo;
    lectura_ = lectura;
}

Resultado<std::u16string> ArchivoMenu::LeerLinea() {
    auto bytes = lector_.LeerLinea();
    if (!bytes) return bytes.error();
    ++lineas_;
    if (!lectura_ && !SoloAscii(bytes.valor())) Decidir(bytes.valor());
    return Texto(bytes.valor());
}

std::u16string ArchivoMenu::Texto(std::string_view bytes) const {
    const Codificacion codificacion = lectura_ ? lectura_->codificacion : Codificacion::Ansi;
    switch (codificacion) {
    case Codificacion::Utf8: return DecodificarUtf8(bytes);
    case Codificacion::Utf16: return DesdeUtf16(bytes);
    case Codificacion::Ansi: break;
    }
    return archivos_->DesdeAnsi(bytes);
}

}  // namespace instalar
