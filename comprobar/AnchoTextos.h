#pragma once
// Whether the texts a menu file sets (";@texto") fit where the window shows
// them, measured in the window's own fonts: the buttons' (which grow up to
// the window's middle) and the hint line's (one line inside the window:
// the design's hint, why an item is greyed, that an item is installed, with
// the versions and names of this file's items in the place of %1).

#include <vector>

#include "comprobar/Comprobador.h"
#include "comprobar/Hallazgo.h"
#include "interfaces/MedidaTexto.h"

namespace instalar::comprobar {

// A warning for each text that would not fit.  Without a measure (outside
// Windows, where the window's fonts are not), one note that nothing was
// measured, when there was something to measure.
std::vector<Hallazgo> AvisosDeAncho(const Informe& informe, MedidaTexto* medida);

}  // namespace instalar::comprobar
