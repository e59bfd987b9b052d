#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "comprobar/ComprobarPrograma.h"

namespace instalar::comprobar {
namespace {

// A medium that knows a few files by their components and counts how often
// it is asked.
class SistemaContado : public SistemaArchivos {
public:
    std::map<std::vector<std::u16string>, TipoRuta> rutas;
    size_t busquedas = 0;

    Resultado<std::unique_ptr<ArchivoLectura>> Abrir(const std::filesystem::path&) override {
        return ErrorDe(CodigoError::ArchivoNoEncontrado);
    }
    TipoRuta Tipo(const std::filesystem::path&, const std::vector<std::u16string>& componentes) override {
        ++busquedas;
        auto ruta = rutas.find(componentes);
        return ruta == rutas.end() ? TipoRuta::NoExiste : ruta->second;
    }
    std::vector<std::u16string> Archivos(const std::filesystem::path&) override { return {}; }
};

std::u16string Repetido(const std::u16string& trozo, int veces) {
    std::u16string texto;
    for (int i = 0; i < veces; ++i) texto += trozo;
    return texto;
}

// A command full of spaces, as a fuzzed menu line had it, cost one look-up
// of the whole text before each space: tens of thousands of look-ups of ever
// longer paths for a single line, minutes for a file of such lines.
TEST(ComprobarProgramaTest, UnComandoLlenoDeEspaciosSeBuscaPocasVeces) {
    SistemaContado sistema;
    const std::u16string comando = Repetido(u"a ", 16000) + u"fin";
    const auto error = ComprobarPrograma(comando, "/medio", sistema);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("no existe el programa de instalación «a a a", 0), 0u) << *error;
    EXPECT_LE(sistema.busquedas, 40u);
}

// The bound leaves room for real paths with spaces before the arguments.
TEST(ComprobarProgramaTest, ArgumentosTrasUnaRutaConVariosEspacios) {
    SistemaContado sistema;
    const std::vector<std::u16string> programa{u"Archivos de programa", u"Gestión Comercial 2024",
                                               u"Módulo de nóminas", u"setup nóminas.exe"};
    sistema.rutas[programa] = TipoRuta::Archivo;
    const auto error = ComprobarPrograma(
        u"Archivos de programa\\Gestión Comercial 2024\\Módulo de nóminas\\setup nóminas.exe /quiet /norestart",
        "/medio", sistema);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("«Archivos de programa\\Gestión Comercial 2024\\Módulo de nóminas\\setup nóminas.exe» "
                          "lleva argumentos («/quiet /norestart»)"),
              std::string::npos)
        << *error;
}

}  // namespace
}  // namespace instalar::comprobar
