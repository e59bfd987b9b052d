#include "window/ArbolAccesible.h"

#include "launch/Desenlace.h"
#include "window/TeclasAcceso.h"

namespace instalar {

namespace {

bool EsBoton(Parte parte) { return parte == Parte::Instalar || parte == Parte::Cerrar; }

ParadaFoco ParadaDe(Parte boton) { return boton == Parte::Instalar ? ParadaFoco::Instalar : ParadaFoco::Cerrar; }

}  // namespace

std::optional<Parte> ArbolAccesible::ParteDe(long id) const {
    const long opciones = menu_.TotalOpciones();
    if (id < 1 || id > Hijos()) return std::nullopt;
    if (id <= opciones) return Parte::Opcion;
    return static_cast<Parte>(id - opciones);
}

std::optional<int16_t> ArbolAccesible::OpcionDe(long id) const {
    if (ParteDe(id) != Parte::Opcion) return std::nullopt;
    return static_cast<int16_t>(id - 1);
}

std::optional<ElementoAccesible> ArbolAccesible::Elemento(long id) const {
    auto elemento = ElementoDisponible(id);
    if (elemento && !disponible_) elemento->estados |= kNoDisponible;
    return elemento;
}

std::optional<ElementoAccesible> ArbolAccesible::ElementoDisponible(long id) const {
    if (id == kVentana) return Ventana();
    const auto parte = ParteDe(id);
    if (!parte) return std::nullopt;
    const Controles& c = menu_.Vista();
    switch (*parte) {
    case Parte::Opcion: return Opcion(*OpcionDe(id));
    case Parte::Descripcion: return Texto(c.descripcion);
    case Parte::Titulo: return Texto(c.titulo);
    case Parte::Version: return Texto(c.version);
    case Parte::Indicacion: return Texto(c.indicacion);
    case Parte::Instalar: return DeBoton(c.instalar, ParadaFoco::Instalar);
    case Parte::Cerrar: return DeBoton(c.cerrar, ParadaFoco::Cerrar);
    }
    return std::nullopt;
}

ElementoAccesible ArbolAccesible::Ventana() const {
    ElementoAccesible ventana;
    ventana.rol = RolAccesible::Ventana;
    ventana.nombre = menu_.Vista().tituloVentana;
    ventana.caja = Rectangulo{0, 0, kAnchoVentana, kAltoVentana};
    ventana.estados = kEnfocable;
    if (HijoConFoco() == kVentana) ventana.estados |= kEnfocado;
    return ventana;
}

ElementoAccesible ArbolAccesible::Opcion(int16_t indice) const {
    const Etiqueta& etiqueta = menu_.Vista().opciones[static_cast<size_t>(indice)];
    ElementoAccesible opcion;
    opcion.rol = RolAccesible::OpcionDeLista;
    const Textos& textos = menu_.TextosDelMenu();
    opcion.nombre = TextoMostrado(etiqueta.texto);
    if (menu_.Instalando() == indice) {
        opcion.nombre = NombreInstalando(opcion.nombre, textos);
        opcion.estados |= kOcupado;
    } else if (etiqueta.desenlace) {
        opcion.nombre = NombreTerminado(opcion.nombre, *etiqueta.desenlace);
    } else if (etiqueta.instalado == true) {
        opcion.nombre = NombreYaInstalado(opcion.nombre, textos);
    }
    // Unavailable, and why, for an item the machine cannot take.
    if (etiqueta.noDisponible) {
        opcion.nombre = textos.Con(Clave::NoDisponible, opcion.nombre, TextoDeMotivo(*etiqueta.noDisponible, textos));
        opcion.estados |= kNoDisponible;
    }
    if (const auto tecla = TeclaDeAcceso(etiqueta.texto)) opcion.atajo = u"Alt+" + std::u16string(1, *tecla);
    opcion.accion = menu_.TextosDelMenu()[Clave::Seleccionar];
    opcion.caja = etiqueta.caja;
    opcion.estados |= kSeleccionable | kEnfocable;
    if (!etiqueta.visible) opcion.estados |= kInvisible;
    if (menu_.Seleccionada() == indice) {
        opcion.estados |= kSeleccionado;
        if (foco_ == ParadaFoco::Lista) opcion.estados |= kEnfocado;
    }
    return opcion;
}

ElementoAccesible ArbolAccesible::Texto(const Etiqueta& etiqueta) const {
    ElementoAccesible texto;
    texto.rol = RolAccesible::Texto;
    texto.nombre = TextoMostrado(etiqueta.texto);
    texto.caja = etiqueta.caja;
    texto.estados = kSoloLectura;
    // An empty label paints nothing: there is nothing to find there.
    if (!etiqueta.visible || etiqueta.texto.empty()) texto.estados |= kInvisible;
    return texto;
}

ElementoAccesible ArbolAccesible::DeBoton(const Boton& boton, ParadaFoco parada) const {
    ElementoAccesible elemento;
    elemento.rol = RolAccesible::Boton;
    elemento.nombre = TextoMostrado(boton.texto);
    elemento.caja = boton.caja;
    if (boton.habilitado) {
        elemento.accion = menu_.TextosDelMenu()[Clave::Presionar];
        elemento.estados = kEnfocable;
        if (foco_ == parada) elemento.estados |= kEnfocado;
    } else {
        elemento.estados = kNoDisponible;
    }
    return elemento;
}

std::optional<std::u16string> ArbolAccesible::Descripcion(long id) const {
    const auto opcion = OpcionDe(id);
    if (!opcion) return std::nullopt;
    const auto descripcion = menu_.DescripcionDeOpcion(*opcion);
    if (!descripcion || descripcion->empty()) return std::nullopt;
    return TextoMostrado(*descripcion);
}

long ArbolAccesible::HijoEn(double x, double y) const {
    // The buttons are windows of their own, over the painted surface.
    const Controles& c = menu_.Vista();
    if (c.instalar.caja.Contiene(x, y)) return IdDe(Parte::Instalar);
    if (c.cerrar.caja.Contiene(x, y)) return IdDe(Parte::Cerrar);

    const Impacto impacto = menu_.ControlEn(x, y);
    if (impacto.tipo == Impacto::Tipo::Opcion) {
        return impacto.indice < menu_.TotalOpciones() ? IdDeOpcion(impacto.indice) : kVentana;
    }
    const Etiqueta* e = impacto.etiqueta;
    if (e == &c.descripcion) return IdDe(Parte::Descripcion);
    if (e == &c.titulo) return IdDe(Parte::Titulo);
    if (e == &c.version) return IdDe(Parte::Version);
    if (e == &c.indicacion) return IdDe(Parte::Indicacion);
    // The pictures and the surface belong to the window.
    return kVentana;
}

std::optional<long> ArbolAccesible::HijoConFoco() const {
    if (!foco_) return std::nullopt;
    switch (*foco_) {
    case ParadaFoco::Instalar: return IdDe(Parte::Instalar);
    case ParadaFoco::Cerrar: return IdDe(Parte::Cerrar);
    case ParadaFoco::Lista: return HijoSeleccionado().value_or(kVentana);
    }
    return std::nullopt;
}

std::optional<long> ArbolAccesible::HijoSeleccionado() const {
    const auto elegida = menu_.Seleccionada();
    if (!elegida || *elegida >= menu_.TotalOpciones()) return std::nullopt;
    return IdDeOpcion(*elegida);
}

std::optional<long> ArbolAccesible::Navegar(long desde, Direccion direccion) const {
    // From the window only into its children; between children, in order.
    // The window's own siblings belong to its parent.
    const bool desdeVentana = desde == kVentana;
    if (!desdeVentana && !ParteDe(desde)) return std::nullopt;
    switch (direccion) {
    case Direccion::PrimerHijo: return desdeVentana ? std::optional<long>(1) : std::nullopt;
    case Direccion::UltimoHijo: return desdeVentana ? std::optional<long>(Hijos()) : std::nullopt;
    case Direccion::Siguiente:
        if (desdeVentana || desde == Hijos()) return std::nullopt;
        return desde + 1;
    case Direccion::Anterior:
        if (desdeVentana || desde == 1) return std::nullopt;
        return desde - 1;
    }
    return std::nullopt;
}

std::optional<Peticion> ArbolAccesible::Seleccionar(long id, const PeticionSeleccion& peticion) const {
    const auto opcion = OpcionDe(id);
    if (!disponible_ || !opcion || peticion.otras || !(peticion.tomarFoco || peticion.tomarSeleccion))
        return std::nullopt;
    Peticion seleccion;
    seleccion.tipo = Peticion::Tipo::SeleccionarOpcion;
    seleccion.opcion = *opcion;
    seleccion.enfocarLista = peticion.tomarFoco;
    return seleccion;
}

std::optional<Peticion> ArbolAccesible::AccionPredeterminada(long id) const {
    if (!disponible_) return std::nullopt;
    const auto parte = ParteDe(id);
    if (parte == Parte::Opcion) {
        Peticion seleccion;
        seleccion.opcion = *OpcionDe(id);
        return seleccion;
    }
    if (!parte || !EsBoton(*parte)) return std::nullopt;
    const Controles& c = menu_.Vista();
    const Boton& boton = *parte == Parte::Instalar ? c.instalar : c.cerrar;
    if (!boton.habilitado) return std::nullopt;
    Peticion presion;
    presion.tipo = Peticion::Tipo::PresionarBoton;
    presion.boton = ParadaDe(*parte);
    return presion;
}

}  // namespace instalar
