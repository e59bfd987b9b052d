#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "PlataformaFalsa.h"
#include "menufile/ArchivoMenu.h"

namespace instalar {
namespace {

using prueba::LineasCrLf;
using prueba::PlataformaFalsa;

const std::u16string kRuta = u"C:\\medio\\instalar.inf";

TEST(ArchivoMenuTest, LeeLaCabeceraDesdeLaPaginaDeCodigosAnsi) {
    PlataformaFalsa plataforma;
    plataforma.archivos[kRuta] = "T\xEDtulo  \r\nVersi\xF3n 2.0";
    auto abierto = ArchivoMenu::Abrir(plataforma, kRuta);
    ASSERT_TRUE(abierto.ok());
    ArchivoMenu& archivo = abierto.valor();

    auto titulo = archivo.LeerLinea();
    ASSERT_TRUE(titulo.ok());
    EXPECT_EQ(titulo.valor(), u"Título  ");
    ASSERT_FALSE(archivo.FinDeArchivo());
    auto version = archivo.LeerLinea();
    ASSERT_TRUE(version.ok());
    EXPECT_EQ(version.valor(), u"Versión 2.0");
    EXPECT_TRUE(archivo.FinDeArchivo());
    auto deMas = archivo.LeerLinea();
    ASSERT_FALSE(deMas.ok());
    EXPECT_EQ(deMas.error().codigo, CodigoError::FinDeArchivo);
}

TEST(ArchivoMenuTest, ElArchivoSeCierraConElObjeto) {
    PlataformaFalsa plataforma;
    plataforma.archivos[kRuta] = LineasCrLf({"T", "V"});
    {
        auto abierto = ArchivoMenu::Abrir(plataforma, kRuta);
        ASSERT_TRUE(abierto.ok());
        EXPECT_EQ(plataforma.archivosAbiertos, 1);
    }
    EXPECT_EQ(plataforma.archivosAbiertos, 0);
}

TEST(ArchivoMenuTest, AbrirDevuelveElErrorDeLaPlataforma) {
    PlataformaFalsa plataforma;
    auto falta = ArchivoMenu::Abrir(plataforma, kRuta);
    ASSERT_FALSE(falta.ok());
    EXPECT_EQ(falta.error().codigo, CodigoError::ArchivoNoEncontrado);
    EXPECT_EQ(falta.error().descripcion, u"No se encontró el archivo");

    plataforma.archivos[kRuta] = LineasCrLf({"T", "V"});
    plataforma.erroresDeApertura[kRuta] = ErrorDe(CodigoError::PermisoDenegado, 5);
    auto denegado = ArchivoMenu::Abrir(plataforma, kRuta);
    ASSERT_FALSE(denegado.ok());
    EXPECT_EQ(denegado.error().codigo, CodigoError::PermisoDenegado);
}

}  // namespace
}  // namespace instalar
