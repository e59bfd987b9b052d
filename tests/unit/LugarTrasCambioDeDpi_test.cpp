#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <vector>

#include "window/LugarTrasCambioDeDpi.h"

namespace instalar {
namespace {

// A window of 600 × 400 in the middle of a 1920 × 1080 monitor, which
// becomes 900 × 600 at its new resolution; a second monitor to the right.
const CajaPixeles kMarco{660, 340, 1260, 740};
const CajaPixeles kPrincipal{0, 0, 1920, 1080};
const CajaPixeles kDerecha{1920, 0, 3840, 1080};
constexpr int kAncho = 900;
constexpr int kAlto = 600;
// The corner that keeps the centre (960, 540) where it was.
const EsquinaPixeles kCentroQuieto{510, 240};

struct CasoLugar {
    const char* nombre;
    std::optional<CajaPixeles> sugerido;
    std::vector<CajaPixeles> monitores;
    EsquinaPixeles esquina;
};

void PrintTo(const CasoLugar& caso, std::ostream* os) { *os << caso.nombre; }

class LugarTrasCambioDeDpiTest : public ::testing::TestWithParam<CasoLugar> {};

TEST_P(LugarTrasCambioDeDpiTest, SigueAWindowsSoloHastaUnMonitor) {
    const CasoLugar& caso = GetParam();
    const EsquinaPixeles esquina = EsquinaTrasCambioDeDpi(kMarco, kAncho, kAlto, caso.sugerido, caso.monitores);
    EXPECT_EQ(esquina.x, caso.esquina.x);
    EXPECT_EQ(esquina.y, caso.esquina.y);
}

INSTANTIATE_TEST_SUITE_P(
    Lugares, LugarTrasCambioDeDpiTest,
    ::testing::Values(
        // Where Windows puts a window dragged onto another monitor.
        CasoLugar{"EnElMonitor", CajaPixeles{2400, 200, 3300, 800}, {kPrincipal, kDerecha}, {2400, 200}},
        CasoLugar{"EntreDosMonitores", CajaPixeles{1500, 100, 2400, 700}, {kPrincipal, kDerecha}, {1500, 100}},
        // Dragged partly past the screen's edge, as a user may.
        CasoLugar{"AsomaPorUnBorde", CajaPixeles{-800, -500, 100, 100}, {kPrincipal}, {-800, -500}},
        // The suggested rectangle touches the monitor, but the window, at its
        // own size from that corner, would lie far off every screen.
        CasoLugar{"RectanguloQueTocaPeroLaVentanaNo", CajaPixeles{-100000, -100000, 10, 10}, {kPrincipal},
                  kCentroQuieto},
        CasoLugar{"JustoAlLadoDelMonitor", CajaPixeles{-900, 0, 0, 600}, {kPrincipal}, kCentroQuieto},
        CasoLugar{"LejosDeTodo", CajaPixeles{-300000, -300000, -299000, -299000}, {kPrincipal, kDerecha},
                  kCentroQuieto},
        // A corner at the very end of the range: no overflow, no screen.
        CasoLugar{"EnElLimite", CajaPixeles{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {kPrincipal}, kCentroQuieto},
        CasoLugar{"SinMonitores", CajaPixeles{100, 100, 1000, 700}, {}, kCentroQuieto},
        CasoLugar{"SinSugerencia", std::nullopt, {kPrincipal}, kCentroQuieto}),
    [](const auto& caso) { return std::string(caso.param.nombre); });

}  // namespace
}  // namespace instalar
