#pragma once
// A menu window on the fake platform, for the tests that drive it through
// its events.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "herramientas/Diseno.h"
#include "window/frmMenu.h"

namespace instalar::prueba {

const std::u16string kRutaMenu = u"C:\\medio\\instalar.inf";
const std::u16string kTituloVentana = diseno::kTitulo;

// A colour of the design as the window's model holds colours.
constexpr Color ColorDe(diseno::Rgb color) {
    return Color{static_cast<uint8_t>(color.r), static_cast<uint8_t>(color.g), static_cast<uint8_t>(color.b)};
}

class MenuDePrueba : public ::testing::Test {
protected:
    // The menu file beside the program, with CR LF line ends.
    void Escribir(const std::vector<std::string>& lineas) { p.archivos[kRutaMenu] = LineasCrLf(lineas); }

    frmMenu& Cargar() {
        ventana = std::make_unique<frmMenu>(p.Sistema());
        ventana->Cargar();
        return *ventana;
    }

    const Controles& V() const { return ventana->Vista(); }

    // Elements of the item list drawn in bold.
    std::vector<size_t> Negritas() const {
        std::vector<size_t> indices;
        for (size_t i = 0; i < V().opciones.size(); ++i) {
            if (V().opciones[i].fuente.negrita) indices.push_back(i);
        }
        return indices;
    }

    PlataformaFalsa p;
    std::unique_ptr<frmMenu> ventana;
};

using Indices = std::vector<size_t>;

}  // namespace instalar::prueba
