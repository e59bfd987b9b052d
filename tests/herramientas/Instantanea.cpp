#include "Instantanea.h"

#include "Archivos.h"
#include "Texto.h"

namespace herramientas {

namespace {

void TomarInstantaneaEn(const std::wstring& raiz, const std::wstring& relativa, Instantanea& resultado) {
    RecorrerCarpeta(Unir(raiz, relativa), [&](const WIN32_FIND_DATAW& datos) {
        const std::wstring nombre = relativa.empty() ? datos.cFileName : Unir(relativa, datos.cFileName);
        if (EsCarpeta(datos)) {
            resultado[nombre + L"\\"] = std::string();
            TomarInstantaneaEn(raiz, nombre, resultado);
        } else {
            resultado[nombre] = LeerArchivo(Unir(raiz, nombre));
        }
    });
}

}  // namespace

Instantanea TomarInstantanea(const std::wstring& carpeta) {
    Instantanea resultado;
    TomarInstantaneaEn(carpeta, L"", resultado);
    return resultado;
}

std::string Diferencias(const Instantanea& antes, const Instantanea& despues) {
    std::string texto;
    for (const auto& [ruta, bytes] : antes) {
        const auto otro = despues.find(ruta);
        if (otro == despues.end())
            texto += "removed " + Utf8(ruta) + "\n";
        else if (otro->second != bytes)
            texto += "changed " + Utf8(ruta) + "\n";
    }
    for (const auto& par : despues)
        if (antes.count(par.first) == 0) texto += "added " + Utf8(par.first) + "\n";
    return texto;
}

}  // namespace herramientas
