#include "window/ListaOpciones.h"

#include <optional>
#include <utility>

#include "menufile/DirectivaTexto.h"
#include "menufile/RecorridoMenu.h"
#include "menufile/VisitaDeMaquina.h"
#include "window/OpcionesDeMaquina.h"

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
class ListaOpciones::Relleno : public VisitaMenu {
public:
    explicit Relleno(ListaOpciones& lista) : lista_(lista), c_(lista.estado_.controles) {}
    // The walk that tells the entries as this machine shows them.
    void Tras(VisitaDeMaquina& deMaquina) { deMaquina_ = &deMaquina; }

    void Titulo(const LineaLeida& linea) override {
        FijarTexto(c_.titulo, std::u16string(linea.texto), lista_.medida_);
    }
    // Shown once the whole file is read: a ";@texto" line further down may
    // change the word before it.
    void Version(const LineaLeida& linea) override {
        version_ = linea.texto;
        lista_.estado_.totalOpciones = 0;
    }
    void Directiva(const LineaLeida&, std::u16string_view nombre) override {
        FijarTextoDe(nombre, lista_.estado_.textos);
    }
    void Opcion(const LineaLeida&, Entrada&& entrada) override {
        lista_.AnadirOpcion(std::move(entrada));
        Anotar();
        ++lista_.estado_.totalOpciones;
    }
    // The label is made before the count overflows, so it stays on screen.
    void OpcionDeMas(const LineaLeida&, Entrada&& entrada) override {
        lista_.AnadirOpcion(std::move(entrada));
        Anotar();
    }

    void MostrarVersion() {
        if (!version_) return;
        FijarTexto(c_.version, std::u16string(lista_.estado_.textos[Clave::Version]) + u" " + *version_,
                   lista_.medida_);
    }

private:
    void Anotar() {
        if (deMaquina_) AnotarRequisitos(lista_.estado_, lista_.estado_.totalOpciones, *deMaquina_);
    }

    ListaOpciones& lista_;
    Controles& c_;
    VisitaDeMaquina* deMaquina_ = nullptr;
    std::optional<std::u16string> version_;
};

void ListaOpciones::CargarMenu() {
    Relleno relleno(*this);
    VisitaDeMaquina deMaquina(relleno, estado_.hechos);
    relleno.Tras(deMaquina);
    const FinRecorrido fin = RecorrerMenu(archivos_, estado_.archivoMenu, deMaquina);
    relleno.MostrarVersion();
    estado_.volver = fin.volver;
    estado_.conRequisitos = deMaquina.ConRequisitos();
    ComprobarInstaladas(estado_);
    Etiqueta& descripcion = estado_.controles.descripcion;
    if (fin.error) {
        // Reading ends at the error, which shows where the description goes;
        // items created so far stay where element 0 was designed, unselected.
        FijarTexto(descripcion, TextoDeError(*fin.error, estado_.textos), medida_);
        return;
    }

    disposicion_.DistribuirOpciones();
    if (estado_.totalOpciones < 1) {
        FijarTexto(descripcion, estado_.textos.Con(Clave::SinOpciones, estado_.archivoMenu), medida_);
    } else {
        seleccion_.SeleccionarOpcion(0);
    }
}

// Element totalOpciones of the item list shows the entry: element 0 exists
// from the design, later ones are made as copies of it.
void ListaOpciones::AnadirOpcion(Entrada&& entrada) {
    std::vector<Etiqueta>& opciones = estado_.controles.opciones;
    if (estado_.totalOpciones > 0) {
        Etiqueta copia = CopiaSinTextos(opciones[0]);
        copia.visible = false;
        opciones.push_back(std::move(copia));
    }
    Etiqueta& opcion = opciones[static_cast<size_t>(estado_.totalOpciones)];
    FijarTexto(opcion, std::move(entrada.nombre), medida_);
    opcion.comando = std::move(entrada.comando);
    opcion.visible = true;
}

void ListaOpciones::Vaciar() {
    if (estado_.controles.opciones.size() > 1) estado_.controles.opciones.resize(1);
    estado_.totalOpciones = 0;
    estado_.seleccionada.reset();
    estado_.pruebas.clear();
}

}  // namespace instalar
