#pragma once
// Where the operating system's descriptions of its error numbers come from.

#include <cstdint>
#include <string>

namespace instalar {

class TextosSistema {
public:
    virtual ~TextosSistema() = default;

    // The description as the system keeps it, inserts such as "%1" or
    // "%2!s!" left in place and its line end included; empty when the
    // system has none for `codigo`.
    virtual std::u16string TextoDeError(uint32_t codigo) = 0;
};

}  // namespace instalar
