#include "comprobar/ComprobarRequisitos.h"

#include <limits>
#include <utility>

#include "common/Texto.h"

#include "comprobar/TextoVisible.h"

namespace instalar::comprobar {

namespace {

const char* Palabra(ClaseRequisito clase) {
    switch (clase) {
    case ClaseRequisito::Si: return "si";
    case ClaseRequisito::Requiere: return "requiere";
    case ClaseRequisito::Instalado: return "instalado";
    }
    return "";
}

// The version just below `version`, in the order versions compare.
NumeroVersion Anterior(NumeroVersion version) {
    for (size_t i = version.partes.size(); i-- > 0;) {
        if (version.partes[i] > 0) {
            --version.partes[i];
            for (size_t j = i + 1; j < version.partes.size(); ++j)
                version.partes[j] = std::numeric_limits<uint32_t>::max();
            break;
        }
    }
    return version;
}

void AnotarVersiones(const std::vector<Condicion>& condiciones, std::vector<NumeroVersion>& versiones) {
    for (const Condicion& c : condiciones) {
        if (c.tipo != TipoCondicion::Windows) continue;
        versiones.push_back(c.version);
        versiones.push_back(Anterior(c.version));
    }
}

// Every machine that tells the conditions apart: each architecture, with
// each version the conditions name and the one just below it.
std::vector<HechosMaquina> MaquinasDeMuestra(const std::vector<const RequisitosEntrada*>& entradas) {
    std::vector<NumeroVersion> versiones{NumeroVersion{}};
    for (const RequisitosEntrada* e : entradas) {
        AnotarVersiones(e->si, versiones);
        AnotarVersiones(e->requiere, versiones);
    }
    std::vector<HechosMaquina> maquinas;
    for (const Arquitectura a : {Arquitectura::X86, Arquitectura::X64, Arquitectura::Arm64})
        for (const NumeroVersion& v : versiones) maquinas.push_back({a, v});
    return maquinas;
}

bool Cumplen(const std::vector<Condicion>& condiciones, const HechosMaquina& hechos) {
    for (const Condicion& c : condiciones)
        if (Cumple(c, hechos) != true) return false;
    return true;
}

std::string Lineas(const std::vector<LineaDeRequisito>& lineas, ClaseRequisito clase) {
    std::string texto;
    for (const LineaDeRequisito& l : lineas) {
        if (l.clase != clase) continue;
        texto += (texto.empty() ? "" : ", ") + Citado(u";@" + DesdeUtf8(Palabra(l.clase)) + u" " + l.texto);
    }
    return texto;
}

void ContradiccionesDe(int64_t linea, const RequisitosEntrada& r, const std::vector<LineaDeRequisito>& lineas,
                       std::vector<Hallazgo>& hallazgos) {
    if (r.si.empty() && r.requiere.empty()) return;
    bool mostrada = false;
    bool instalable = false;
    for (const HechosMaquina& m : MaquinasDeMuestra({&r})) {
        if (!Cumplen(r.si, m)) continue;
        mostrada = true;
        instalable = instalable || Cumplen(r.requiere, m);
    }
    if (!mostrada)
        hallazgos.push_back({linea, Gravedad::Aviso,
                             Lineas(lineas, ClaseRequisito::Si) +
                                 " se contradicen: ninguna máquina cumple todas a la vez y la opción no se muestra "
                                 "nunca"});
    else if (!instalable)
        hallazgos.push_back({linea, Gravedad::Aviso,
                             Lineas(lineas, ClaseRequisito::Si) + " y " + Lineas(lineas, ClaseRequisito::Requiere) +
                                 " se contradicen: donde se muestra la opción, siempre sale en gris y no se puede "
                                 "instalar"});
}

bool Conocida(const RequisitoEscrito& escrito) {
    if (escrito.clase == ClaseRequisito::Instalado) return LeerPrueba(escrito.texto).has_value();
    return LeerCondicion(escrito.texto).has_value();
}

}  // namespace

std::string DirectivaEscrita(const LineaDeRequisito& linea) {
    return ";@" + std::string(Palabra(linea.clase)) + " " + Visible(linea.texto);
}

void RevisionRequisitos::Directiva(int64_t linea, const RequisitoEscrito& escrito, std::vector<Hallazgo>& hallazgos) {
    pendientes_.Anotar(escrito);
    lineas_.push_back({linea, escrito.clase, std::u16string(escrito.texto)});
    const std::string escrita = Citado(DesdeUtf8(DirectivaEscrita(lineas_.back())));
    if (!Conocida(escrito)) {
        const std::string mensaje =
            escrito.clase == ClaseRequisito::Instalado
                ? "prueba desconocida en " + escrita +
                      ": se conocen «msi {código}», «desinstalar CLAVE» y «archivo RUTA [>= VERSIÓN]»; instalar la "
                      "pasa por alto y no marca la opción"
                : "condición desconocida en " + escrita +
                      ": se conocen x86, x64, arm64, 64bits y windows VERSIÓN (7, 8, 8.1, 10, 11 o un número como "
                      "10.0.19045), con «no» delante o sin él; instalar la pasa por alto y deja la opción a la vista";
        hallazgos.push_back({linea, Gravedad::Error, mensaje});
        return;
    }
    if (escrito.clase == ClaseRequisito::Instalado) {
        const Prueba& prueba = pendientes_.instalado.back();
        if (prueba.tipo == TipoPrueba::Msi && !CodigoDeProductoValido(prueba.objetivo))
            hallazgos.push_back({linea, Gravedad::Error,
                                 "el código de producto " + Citado(prueba.objetivo) +
                                     " no tiene la forma {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: instalar nunca lo "
                                     "dará por instalado"});
    }
}

RequisitosEntrada RevisionRequisitos::Opcion(int64_t linea, std::vector<Hallazgo>& hallazgos,
                                             std::vector<LineaDeRequisito>& lineas) {
    RequisitosEntrada requisitos = std::exchange(pendientes_, RequisitosEntrada{});
    lineas = std::exchange(lineas_, {});
    ContradiccionesDe(linea, requisitos, lineas, hallazgos);
    return requisitos;
}

void RevisionRequisitos::Fin(std::vector<Hallazgo>& hallazgos) {
    for (const LineaDeRequisito& l : lineas_)
        hallazgos.push_back({l.linea, Gravedad::Aviso,
                             "ninguna opción sigue a " + Citado(DesdeUtf8(DirectivaEscrita(l))) +
                                 ": una directiva así se aplica a la opción de la línea siguiente, y aquí no la hay"});
    pendientes_ = {};
    lineas_.clear();
}

bool PuedenVerseJuntas(const RequisitosEntrada& a, const RequisitosEntrada& b) {
    for (const HechosMaquina& m : MaquinasDeMuestra({&a, &b}))
        if (Cumplen(a.si, m) && Cumplen(b.si, m)) return true;
    return false;
}

std::optional<HechosMaquina> LeerMaquina(std::string_view texto) {
    const size_t coma = texto.find(',');
    if (coma == std::string_view::npos) return std::nullopt;
    const std::u16string arquitectura = DesdeUtf8(texto.substr(0, coma));
    HechosMaquina hechos;
    if (arquitectura == u"x86") hechos.arquitectura = Arquitectura::X86;
    else if (arquitectura == u"x64") hechos.arquitectura = Arquitectura::X64;
    else if (arquitectura == u"arm64") hechos.arquitectura = Arquitectura::Arm64;
    else return std::nullopt;
    hechos.version = LeerVersion(DesdeUtf8(texto.substr(coma + 1)));
    if (!hechos.version) return std::nullopt;
    return hechos;
}

}  // namespace instalar::comprobar
