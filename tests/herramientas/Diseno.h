// The menu's design as the tests and the benchmark expect to find it: its
// caption, its size and its colours.  They are written here once, apart
// from the program's own figures, so that a change to the program's shows
// as a failing test rather than as a new expectation.  Nothing here needs a
// system: the unit tests, the fuzz targets, the end-to-end tests and the
// benchmark all read it.
#pragma once

namespace diseno {

// The window's caption, which is also the title of its message boxes: as
// the program's UTF-16 text, and as the wide characters of the Win32 API.
constexpr char16_t kTitulo[] = u"Men\u00fa de instalaci\u00f3n";
constexpr wchar_t kTituloW[] = L"Men\u00fa de instalaci\u00f3n";

constexpr bool MismasUnidades(const char16_t* a, const wchar_t* b) {
    for (; *a != 0 || *b != 0; ++a, ++b)
        if (static_cast<unsigned long>(*a) != static_cast<unsigned long>(*b)) return false;
    return true;
}
static_assert(MismasUnidades(kTitulo, kTituloW), "the two spellings of the caption differ");

// The window's size in twips: 451 x 366 pixels at 96 dpi.
constexpr int kAnchoVentana = 6765;
constexpr int kAltoVentana = 5490;

struct Rgb {
    int r, g, b;
};

// The same colour packed as the Win32 API packs it (COLORREF, 0x00bbggrr).
constexpr unsigned long Colorref(Rgb color) {
    return static_cast<unsigned long>(color.r) | static_cast<unsigned long>(color.g) << 8 |
           static_cast<unsigned long>(color.b) << 16;
}

// The bar behind the buttons, which the buttons' background matches.
constexpr Rgb kBarra{88, 106, 183};
// The raised border: lighter left and top, darker right and bottom.
constexpr Rgb kBordeClaro{110, 128, 205};
constexpr Rgb kBordeOscuro{70, 82, 165};
// The line between the item list and the description.
constexpr Rgb kDivisoria{192, 192, 255};
// The texts with a colour of their own: the title and the version.
constexpr Rgb kTextoTitulo{64, 0, 0};
constexpr Rgb kTextoVersion{64, 64, 64};

}  // namespace diseno
