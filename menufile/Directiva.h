#pragma once
// Directives: comment lines that change how the menu behaves.  Older
// versions ignore them as the comments they are.
//
//   ;@volver    the menu waits for each setup it starts and comes back
//
// A directive is a line that, trimmed of spaces as every line is, starts
// with ";@"; its name is the rest of the line, letter case included.

#include <optional>
#include <string_view>

namespace instalar {

constexpr std::u16string_view kDirectivaVolver = u"volver";

// The name of the directive on `linea` (a line after the header, as read),
// or nothing when the line is no directive.
std::optional<std::u16string_view> DirectivaDe(std::u16string_view linea);

}  // namespace instalar
