#pragma once
// UTF-8 as the Unicode standard defines it: no overlong forms, no
// surrogates, nothing past U+10FFFF.  A menu file is taken as UTF-8 only
// when every byte of it is well formed, so the check must be strict.

#include <cstddef>
#include <string>
#include <string_view>

namespace instalar {

// Checks bytes handed over in any number of pieces, as they are read.
class ValidadorUtf8 {
public:
    // Checks the next bytes; false from the first ill-formed byte on.
    bool Anadir(std::string_view bytes);
    // True when every byte so far is well formed and no sequence is left open.
    bool Completo() const { return valido_ && pendientes_ == 0; }
    // At least one sequence of two or more bytes has been seen.
    bool VioMultibyte() const { return multibyte_; }
    // How many bytes it has accepted (all of them while valid).
    size_t Aceptados() const { return aceptados_; }

private:
    bool valido_ = true;
    bool multibyte_ = false;
    int pendientes_ = 0;            // continuation bytes still expected
    unsigned char minimo_ = 0x80;   // range of the next continuation byte
    unsigned char maximo_ = 0xBF;
    size_t aceptados_ = 0;
};

// Decodes to UTF-16; each ill-formed part becomes one U+FFFD.
std::u16string DecodificarUtf8(std::string_view bytes);

}  // namespace instalar
