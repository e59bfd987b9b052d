#pragma once
// How Windows reads the path that instalar.exe builds for a setup program,
// "<program folder>\<command>", so that the checker looks for the same
// file on any system.

#include <string>
#include <string_view>
#include <vector>

namespace instalar::comprobar {

// The file and folder names of `comando`, in order: "\" and "/" both
// separate them, runs of separators count as one, "." is dropped and ".."
// takes back the name before it (or stays, to climb above the folder), and
// spaces and dots at the very end are ignored, as Windows does.
std::vector<std::u16string> ComponentesDePrograma(std::u16string_view comando);

}  // namespace instalar::comprobar
