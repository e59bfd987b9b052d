#pragma once
// The walk through a menu file as this machine sees it: entries that a
// ";@si" hides are never told, so that every reader (the list, the
// descriptions, the launch) counts and looks up by name only the entries
// shown; each entry told comes with what its directives ask.  A menu
// without those directives is told exactly as the plain walk tells it,
// and the machine is never asked anything.

#include <optional>

#include "interfaces/Maquina.h"
#include "menufile/RecorridoMenu.h"
#include "menufile/Requisitos.h"

namespace instalar {

// The machine's architecture and version, asked the first time a menu
// needs them and kept: they do not change while the menu is open.
class FuenteDeHechos {
public:
    explicit FuenteDeHechos(Maquina* maquina) : maquina_(maquina) {}
    // For a machine described rather than asked (the checker's --maquina).
    explicit FuenteDeHechos(HechosMaquina hechos) : hechos_(hechos) {}

    const HechosMaquina& Hechos();

private:
    Maquina* maquina_ = nullptr;
    std::optional<HechosMaquina> hechos_;
};

class VisitaDeMaquina : public VisitaMenu {
public:
    VisitaDeMaquina(VisitaMenu& interior, FuenteDeHechos& hechos) : interior_(interior), hechos_(hechos) {}

    void Codificada(const LineaLeida& linea, const Lectura& lectura) override { interior_.Codificada(linea, lectura); }
    void Linea(const LineaLeida& linea) override { interior_.Linea(linea); }
    void Titulo(const LineaLeida& linea) override { interior_.Titulo(linea); }
    void Version(const LineaLeida& linea) override { interior_.Version(linea); }
    void Directiva(const LineaLeida& linea, std::u16string_view nombre) override;
    void Ignorada(const LineaLeida& linea) override { interior_.Ignorada(linea); }
    void Opcion(const LineaLeida& linea, Entrada&& entrada) override;
    void OpcionDeMas(const LineaLeida& linea, Entrada&& entrada) override;
    bool Hallado() const override { return interior_.Hallado(); }

    // Of the entry being told: what its directives ask (the reader may take
    // it), and how it shows.
    RequisitosEntrada& Requisitos() { return actuales_; }
    const DecisionEntrada& Decision() const { return decision_; }
    // Whether any entry so far had directives of this kind.
    bool ConRequisitos() const { return conRequisitos_; }

private:
    // True when the entry is shown; its requirements become the current ones.
    bool Tomar();

    VisitaMenu& interior_;
    FuenteDeHechos& hechos_;
    RequisitosEntrada pendientes_;
    RequisitosEntrada actuales_;
    DecisionEntrada decision_;
    bool conRequisitos_ = false;
};

}  // namespace instalar
