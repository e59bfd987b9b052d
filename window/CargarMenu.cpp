// Building the item list from the menu file.

#include <utility>

#include "menufile/RecorridoMenu.h"
#include "window/Distribucion.h"
#include "window/frmMenu.h"

namespace instalar {

namespace {

// A new element of the item array, as element 0 is now.  Its text and
// command are set right after, so they are left out of the copy: with
// thousands of items those copies were a good part of loading.
Etiqueta CopiaSinTextos(Etiqueta& modelo) {
    std::u16string texto = std::exchange(modelo.texto, {});
    std::u16string comando = std::exchange(modelo.comando, {});
    Etiqueta copia = modelo;
    modelo.texto = std::move(texto);
    modelo.comando = std::move(comando);
    return copia;
}

}  // namespace

// Fills the window from the walk through the menu file: the title, the
// version and one item label per entry.
class frmMenu::LectorLista : public VisitaMenu {
public:
    explicit LectorLista(frmMenu& ventana) : ventana_(ventana) {}

    void Titulo(const LineaLeida& linea) override {
        FijarTexto(ventana_.controles.etqTipo, std::u16string(linea.texto), ventana_.medida);
    }
    void Version(const LineaLeida& linea) override {
        FijarTexto(ventana_.controles.etqVer, u"Versión " + std::u16string(linea.texto), ventana_.medida);
        ventana_.nOpciones = 0;
    }
    void Opcion(const LineaLeida&, Entrada&& entrada) override {
        ventana_.AnadirOpcion(std::move(entrada));
        ++ventana_.nOpciones;
    }
    // The label is made before the count overflows, so it stays on screen.
    void OpcionDeMas(const LineaLeida&, Entrada&& entrada) override { ventana_.AnadirOpcion(std::move(entrada)); }

private:
    frmMenu& ventana_;
};

void frmMenu::CargarMenu() {
    LectorLista lector(*this);
    const FinRecorrido fin = RecorrerMenu(archivos, sArchivo, lector);
    if (fin.error) {
        // Reading ends at the error, which shows where the description goes;
        // items created so far stay where element 0 was designed, unselected.
        FijarTexto(controles.etqInfo, fin.error->descripcion, medida);
        return;
    }

    DistribuirOpciones();
    if (nOpciones < 1) {
        FijarTexto(controles.etqInfo,
                   u"Ha ocurrido un error !!!\r\n\r\nNo se ha podido encontrar en el archivo '" + sArchivo +
                       u"', algun programa a instalar.",
                   medida);
    } else {
        SeleccionarOpcion(0);
    }
}

// Element nOpciones of the item list shows the entry: element 0 exists from
// the design, later ones are made as copies of it.
void frmMenu::AnadirOpcion(Entrada&& entrada) {
    if (nOpciones > 0) {
        Etiqueta copia = CopiaSinTextos(controles.etqInstalar[0]);
        copia.visible = false;
        controles.etqInstalar.push_back(std::move(copia));
    }
    Etiqueta& opcion = controles.etqInstalar[static_cast<size_t>(nOpciones)];
    FijarTexto(opcion, std::move(entrada.nombre), medida);
    opcion.comando = std::move(entrada.comando);
    opcion.visible = true;
}

// Spreads the items down the length of the divider line so that the free
// space is shared equally among the gaps above, between and below them.
void frmMenu::DistribuirOpciones() {
    bDistribuidas = true;
    const float hueco = HuecoEntreOpciones(controles.Line1, controles.etqInstalar[0].caja.alto, nOpciones);
    const float izquierda = static_cast<float>(50 * medida.TwipsPorPixelX());
    for (int16_t i = 0; i < nOpciones; ++i) {
        Rectangulo& caja = controles.etqInstalar[static_cast<size_t>(i)].caja;
        caja.izquierda = izquierda;
        caja.arriba = ArribaDeOpcion(controles.Line1, hueco, caja.alto, i);
    }
}

}  // namespace instalar
