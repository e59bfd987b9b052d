#pragma once
// The fuzz oracles' own reading of an entry's command and of a directive
// line, written apart from the program's, which they check.
//
//   conta\setup.exe /S          no leading quote: all of it is the file
//   "conta\setup.exe" /S /x     the file between the quotes, then the
//                               arguments after the spaces that follow it
//   "conta\setup.exe /S         no closing quote: malformed
//   "" /S                       nothing between the quotes: malformed

#include <string>
#include <string_view>

namespace instalar::fuzz {

struct ComandoEsperado {
    bool sinCierre = false;
    bool sinRuta = false;
    std::u16string archivo;     // what follows the opening quote when unclosed
    std::u16string argumentos;

    bool BienFormado() const { return !sinCierre && !sinRuta; }
};

inline ComandoEsperado PartirComoSeEscribe(std::u16string_view comando) {
    ComandoEsperado esperado;
    if (comando.empty() || comando[0] != u'"') {
        esperado.archivo = std::u16string(comando);
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
