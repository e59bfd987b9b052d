#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "arranque/basMenu.h"

namespace instalar {
namespace {

using Sucesos = std::vector<std::string>;

class VentanaFalsa : public VentanaMenu {
public:
    explicit VentanaFalsa(Sucesos& sucesos) : sucesos_(sucesos) {}
    ~VentanaFalsa() override { sucesos_.push_back("Destruir"); }
    void Cargar() override { sucesos_.push_back("Cargar"); }
    void Mostrar() override { sucesos_.push_back("Mostrar"); }

private:
    Sucesos& sucesos_;
};

class ArranqueFalso : public Arranque {
public:
    Sucesos sucesos;
    std::optional<Error> errorAlCrear;
    VentanaMenu* creada = nullptr;
    std::u16string texto;
    std::u16string titulo;

    void IniciarControlesComunes() override { sucesos.push_back("IniciarControlesComunes"); }
    Resultado<std::unique_ptr<VentanaMenu>> CrearVentanaMenu() override {
        sucesos.push_back("CrearVentanaMenu");
        if (errorAlCrear) return *errorAlCrear;
        auto ventana = std::make_unique<VentanaFalsa>(sucesos);
        creada = ventana.get();
        return std::unique_ptr<VentanaMenu>(std::move(ventana));
    }
    void MostrarMensaje(const std::u16string& mensaje, const std::u16string& tituloMensaje) override {
        sucesos.push_back("MostrarMensaje");
        texto = mensaje;
        titulo = tituloMensaje;
    }
};

class MainTest : public ::testing::Test {
protected:
    // The window reference outlives each test otherwise.
    void SetUp() override { ventanaMenu.reset(); }
    void TearDown() override { ventanaMenu.reset(); }
    ArranqueFalso sistema;
};

TEST_F(MainTest, CreaCargaYMuestraLaVentana) {
    Main(sistema);
    EXPECT_EQ(sistema.sucesos, (Sucesos{"IniciarControlesComunes", "CrearVentanaMenu", "Cargar", "Mostrar"}));
    ASSERT_NE(sistema.creada, nullptr);
    EXPECT_EQ(ventanaMenu.get(), sistema.creada);
}

TEST_F(MainTest, SiNoSePuedeCrearAvisaUnaVezYNoCargaNada) {
    sistema.errorAlCrear = Error{CodigoError::Sistema, u"No hay memoria suficiente", 8};
    Main(sistema);
    EXPECT_EQ(sistema.sucesos, (Sucesos{"IniciarControlesComunes", "CrearVentanaMenu", "MostrarMensaje"}));
    EXPECT_EQ(sistema.texto, u"No hay memoria suficiente");
    EXPECT_EQ(sistema.titulo, u"basMenu.Main()");
    EXPECT_EQ(ventanaMenu, nullptr);
}

TEST_F(MainTest, AlTerminarLaVentanaSeSueltaLaReferencia) {
    Main(sistema);
    ASSERT_NE(ventanaMenu, nullptr);
    LiberarVentanaMenu();
    EXPECT_EQ(ventanaMenu, nullptr);
    EXPECT_EQ(sistema.sucesos.back(), "Destruir");
}

}  // namespace
}  // namespace instalar
