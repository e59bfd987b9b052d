#pragma once
// A setup and every process it starts, held together in a job object, so
// that the menu can tell when the last of them has ended: a bootstrapper
// that starts the real setup and exits at once has not finished installing.
//
// The job limits nothing.  Closing it (the menu closing) leaves its
// processes running, and a process that asks to leave it when it starts
// one (CREATE_BREAKAWAY_FROM_JOB) may: on Windows 7, whose jobs do not nest,
// a setup that puts its own processes in a job of its own needs that.

#include <windows.h>

#include <optional>
#include <string>

#include "win32host/Manejadores.h"

namespace instalar::win32 {

class GrupoDeProcesos {
public:
    // A new, empty group; nothing when the system makes none.
    static std::optional<GrupoDeProcesos> Crear();

    // Puts `proceso` in the group, and with it every process it starts from
    // then on.  False when the system refuses: on Windows 7 for a process
    // already in a job (the menu's own, when something started the menu in
    // one), or for a process started elevated.
    bool Anadir(HANDLE proceso);

    // Whether no process of the group is running any more.  True also when
    // the system cannot tell, so that nobody waits for ever.
    bool Vacio() const;

    // A process of the group other than `salvo` that still runs (console
    // hosts aside): its file name, empty when the system does not tell it;
    // nothing when none runs.
    std::optional<std::u16string> OtroEnMarcha(DWORD salvo) const;

private:
    explicit GrupoDeProcesos(ManejadorTrabajo trabajo) : trabajo_(std::move(trabajo)) {}

    ManejadorTrabajo trabajo_;
};

}  // namespace instalar::win32
