#pragma once
// The fuzz oracles' own reading of an entry's command and of a directive
// line, written apart from the program's, which they check.
//
//   conta\setup.exe /S          no leading quote: all of it is the file
//   "conta\setup.exe" /S /x     the file between the quotes, then the
//                               arguments after the spaces that follow it
//   "conta\setup.exe /S         no closing quote: malformed
//   "" /S                       nothing between the quotes: malformed
//   setup.exe<NUL>.pdf          a NUL anywhere in an otherwise sound
//                               command: malformed too

#include <string>
#include <string_view>

namespace instalar::fuzz {

struct ComandoEsperado {
    bool sinCierre = false;
    bool sinRuta = false;
    bool conNul = false;
    std::u16string archivo;     // what follows the opening quote when unclosed
    std::u16string argumentos;

    bool BienFormado() const { return !sinCierre && !sinRuta && !conNul; }
};

inline ComandoEsperado PartirComoSeEscribe(std::u16string_view comando) {
    ComandoEsperado esperado;
    if (comando.empty() || comando[0] != u'"') {
        esperado.archivo = std::u16string(comando);
        esperado.conNul = comando.find(u'\0') != std::u16string_view::npos;
        return esperado;
    }
    size_t i = 1;
    while (i < comando.size() && comando[i] != u'"') esperado.archivo += comando[i++];
    if (i == comando.size()) {
        esperado.sinCierre = true;
        return esperado;
    }
    esperado.sinRuta = esperado.archivo.empty();
    ++i;
    while (i < comando.size() && comando[i] == u' ') ++i;
    esperado.argumentos = std::u16string(comando.substr(i));
    esperado.conNul = !esperado.sinRuta && comando.find(u'\0') != std::u16string_view::npos;
    return esperado;
}

// A line after the header that switches on the waiting: ";@volver" once
// its outer spaces are gone.
inline bool EsVolver(std::u16string_view linea) {
    size_t desde = 0;
    size_t hasta = linea.size();
    while (desde < hasta && linea[desde] == u' ') ++desde;
    while (hasta > desde && linea[hasta - 1] == u' ') --hasta;
    return linea.substr(desde, hasta - desde) == u";@volver";
}

}  // namespace instalar::fuzz
