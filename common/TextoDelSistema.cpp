#include "common/TextoDelSistema.h"

namespace instalar {

namespace {

constexpr size_t kNinguno = std::u16string_view::npos;

bool EsCifra(char16_t c) { return c >= u'0' && c <= u'9'; }

// An insert: "%" and a number from 1 to 99, perhaps followed by a printf
// format between "!" ("%2!s!").
struct Insercion {
    int numero = 0;  // 0: no insert starts here
    size_t fin = 0;  // just past it
};

Insercion InsercionEn(std::u16string_view texto, size_t porcentaje) {
    Insercion insercion;
    size_t i = porcentaje + 1;
    if (i >= texto.size() || !EsCifra(texto[i]) || texto[i] == u'0') return insercion;
    insercion.numero = texto[i++] - u'0';
    if (i < texto.size() && EsCifra(texto[i])) insercion.numero = insercion.numero * 10 + (texto[i++] - u'0');
    if (i < texto.size() && texto[i] == u'!') {
        const size_t cierre = texto.find(u'!', i + 1);
        if (cierre != kNinguno) i = cierre + 1;
    }
    insercion.fin = i;
    return insercion;
}

// Whether the text has inserts and all of them are %1.
bool SoloLaPrimera(std::u16string_view texto) {
    bool alguna = false;
    for (size_t i = texto.find(u'%'); i != kNinguno; i = texto.find(u'%', i + 1)) {
        const Insercion insercion = InsercionEn(texto, i);
        if (insercion.numero == 0) {
            ++i;  // an escape: its second character is not a "%" that starts anything
            continue;
        }
        if (insercion.numero != 1) return false;
        alguna = true;
    }
    return alguna;
}

const std::u16string_view kAbren = u"'\"«“‘([";
const std::u16string_view kCierran = u"'\"»”’)]";
const std::u16string_view kTrasFrase = u".,;:)]»";

// Takes out what a removed insert leaves behind in `antes` (the text up to
// the insert) and at the start of `despues`; returns how many characters
// of `despues` go.  "(%1)" and "'%1'" go whole, a space on one side of it
// goes, and so does a label whose value it was ("serie: %3)").
size_t LimpiarHueco(std::u16string& antes, std::u16string_view despues) {
    size_t saltados = 0;
    if (!antes.empty() && !despues.empty()) {
        const size_t abre = kAbren.find(antes.back());
        if (abre != kNinguno && despues.front() == kCierran[abre]) {
            antes.pop_back();
            saltados = 1;
        }
    }
    const std::u16string_view resto = despues.substr(saltados);
    const bool espacioAntes = !antes.empty() && antes.back() == u' ';
    const bool espacioDespues = !resto.empty() && resto.front() == u' ';
    const bool finDeFrase = resto.empty() || kTrasFrase.find(resto.front()) != kNinguno;
    if (espacioAntes && (espacioDespues || finDeFrase))
        antes.pop_back();
    else if (espacioDespues && (antes.empty() || antes.back() == u'\n' || kAbren.find(antes.back()) != kNinguno))
        ++saltados;
    const std::u16string_view siguiente = despues.substr(saltados);
    if (!antes.empty() && antes.back() == u':' && (siguiente.empty() || kTrasFrase.find(siguiente.front()) != kNinguno))
        antes.pop_back();
    return saltados;
}

// The character an escape ("%" and one character) stands for; "%n" is a
// line end, CR LF.
char16_t Escape(char16_t c) {
    switch (c) {
    case u'n': return u'\n';
    case u'r': return u'\r';
    case u't': return u'\t';
    default: return c;
    }
}

std::u16string NumeroEnTexto(uint32_t numero) {
    const std::string cifras = std::to_string(numero);
    return std::u16string(cifras.begin(), cifras.end());
}

}  // namespace

std::u16string RellenarInserciones(std::u16string_view texto, std::u16string_view nombreArchivo) {
    const bool rellenar = !nombreArchivo.empty() && SoloLaPrimera(texto);
    std::u16string resultado;
    size_t i = 0;
    while (i < texto.size()) {
        if (texto[i] != u'%') {
            resultado += texto[i++];
            continue;
        }
        const Insercion insercion = InsercionEn(texto, i);
        if (insercion.numero > 0) {
            i = insercion.fin;
            if (rellenar)
                resultado += nombreArchivo;
            else
                i += LimpiarHueco(resultado, texto.substr(i));
            continue;
        }
        // "%0" ends the text; so does a "%" with nothing after it.
        if (i + 1 == texto.size() || texto[i + 1] == u'0') break;
        const char16_t caracter = Escape(texto[i + 1]);
        if (caracter == u'\n') resultado += u'\r';
        resultado += caracter;
        i += 2;
    }
    return resultado;
}

std::u16string_view NombreDeArchivo(std::u16string_view ruta) {
    const size_t separador = ruta.find_last_of(u"\\/");
    return separador == kNinguno ? ruta : ruta.substr(separador + 1);
}

std::u16string DescripcionDelSistema(std::u16string_view delSistema, uint32_t codigo, std::u16string_view ruta) {
    std::u16string texto = RellenarInserciones(delSistema, NombreDeArchivo(ruta));
    while (!texto.empty() && (texto.back() == u'\r' || texto.back() == u'\n' || texto.back() == u' '))
        texto.pop_back();
    if (texto.empty()) return u"Error del sistema " + NumeroEnTexto(codigo);
    return texto;
}

}  // namespace instalar
