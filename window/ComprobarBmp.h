#pragma once
// Whether a file's bytes hold a whole BMP picture.  Some loaders accept a
// file cut short and draw garbage; the logo is only loaded once its headers
// and pixel data are known to be all there.

#include <string_view>

namespace instalar {

bool EsBmpCompleto(std::string_view bytes);

}  // namespace instalar
