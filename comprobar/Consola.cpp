#include "comprobar/Consola.h"

#include "comprobar/AnchoTextos.h"
#include "comprobar/Ayuda.h"
#include "comprobar/Comprobador.h"
#include "comprobar/ComprobarRequisitos.h"
#include "comprobar/Idiomas.h"
#include "comprobar/Listado.h"
#include "comprobar/ListadoMaquina.h"
#include "version.h"

#include <algorithm>
#include <cstdint>

namespace instalar::comprobar {

namespace fs = std::filesystem;

namespace {

std::string Cuenta(size_t n, const char* singular, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

std::string Resumen(const Informe& informe, const std::vector<Hallazgo>& hallazgos) {
    size_t errores = 0;
    size_t avisos = 0;
    for (const Hallazgo& h : hallazgos) {
        errores += h.gravedad == Gravedad::Error;
        avisos += h.gravedad == Gravedad::Aviso;
    }
    return Cuenta(informe.opciones.size(), "opción", "opciones") + ", " + Cuenta(errores, "error", "errores") +
           " y " + Cuenta(avisos, "aviso", "avisos") + ".";
}

// The findings in the order of the file, those of the whole file last, as
// the checker finds them: the width warnings come after the walk.
void EnOrdenDelArchivo(std::vector<Hallazgo>& hallazgos) {
    const auto clave = [](const Hallazgo& h) { return h.linea == 0 ? INT64_MAX : h.linea; };
    std::stable_sort(hallazgos.begin(), hallazgos.end(),
                     [&](const Hallazgo& a, const Hallazgo& b) { return clave(a) < clave(b); });
}

// instalar.exe resolves the setup programs against its own folder.
fs::path CarpetaPrograma(const Opciones& opciones, const fs::path& menu) {
    if (opciones.carpeta) return fs::u8path(*opciones.carpeta);
    const fs::path carpeta = menu.parent_path();
    return carpeta.empty() ? fs::path(".") : carpeta;
}

}  // namespace

Opciones LeerOpciones(const std::vector<std::string>& argumentos) {
    Opciones opciones;
    bool hayArchivo = false;
    bool soloArchivos = false;
    for (size_t i = 0; i < argumentos.size(); ++i) {
        const std::string& argumento = argumentos[i];
        if (!soloArchivos && argumento == "--") {
            soloArchivos = true;
        } else if (!soloArchivos && (argumento == "--help" || argumento == "-h")) {
            opciones.ayuda = true;
        } else if (!soloArchivos && argumento == "--version") {
            opciones.version = true;
        } else if (!soloArchivos && argumento == "--listar") {
            opciones.listar = true;
        } else if (!soloArchivos && argumento == "--idiomas") {
            opciones.idiomas = true;
        } else if (!soloArchivos && argumento == "--carpeta") {
            if (i + 1 == argumentos.size()) {
                opciones.error = "falta la carpeta tras --carpeta";
                return opciones;
            }
            opciones.carpeta = argumentos[++i];
        } else if (!soloArchivos && argumento == "--maquina") {
            if (i + 1 == argumentos.size() || !LeerMaquina(argumentos[i + 1])) {
                opciones.error = "tras --maquina va la máquina: ARQUITECTURA,VERSIÓN, como x86,6.1, "
                                 "x64,10.0.22631 o arm64,10.0.26100";
                return opciones;
            }
            opciones.maquina = argumentos[++i];
        } else if (!soloArchivos && argumento.size() > 1 && argumento[0] == '-') {
            opciones.error = "opción desconocida: " + argumento;
            return opciones;
        } else if (hayArchivo) {
            opciones.error = "sobra el argumento " + argumento + ": se comprueba un solo archivo";
            return opciones;
        } else {
            opciones.menu = argumento;
            hayArchivo = true;
        }
    }
    return opciones;
}

int Ejecutar(const std::vector<std::string>& argumentos, std::ostream& salida, std::ostream& errores,
             SistemaArchivos& sistema, const std::vector<std::u16string>& idiomas, MedidaTexto* medida) {
    const Opciones opciones = LeerOpciones(argumentos);
    if (!opciones.error.empty()) {
        errores << "comprobar: " << opciones.error << "\nPrueba «comprobar --help».\n";
        return kEstadoUsoIncorrecto;
    }
    if (opciones.ayuda) {
        salida << TextoAyuda();
        return 0;
    }
    if (opciones.version) {
        salida << "comprobar " << INSTALAR_VERSION_TEXTO << '\n';
        return 0;
    }
    const fs::path menu = fs::u8path(opciones.menu);
    if (opciones.idiomas) {
        salida << ListarIdiomas(menu, idiomas, sistema);
        return 0;
    }
    const Informe informe = ComprobarMenu(menu, CarpetaPrograma(opciones, menu), sistema);
    if (opciones.listar) salida << FormatearListado(informe);
    if (opciones.maquina)
        salida << "En la máquina " << *opciones.maquina << ":\n" << FormatearMaquina(informe, *LeerMaquina(*opciones.maquina));
    std::vector<Hallazgo> delMenu = informe.hallazgos;
    for (Hallazgo& aviso : AvisosDeAncho(informe, medida)) delMenu.push_back(std::move(aviso));
    EnOrdenDelArchivo(delMenu);
    for (const Hallazgo& hallazgo : delMenu) errores << Formatear(opciones.menu, hallazgo) << '\n';
    errores << Resumen(informe, delMenu) << '\n';
    int estado = EstadoDeSalida(delMenu);
    for (const ArchivoDeIdioma& idioma : ArchivosDeIdioma(menu, sistema)) {
        const fs::path ruta = menu.parent_path() / fs::path(idioma.nombre);
        const std::string nombre = ruta.u8string();
        const Informe traducido = ComprobarMenu(ruta, CarpetaPrograma(opciones, menu), sistema);
        std::vector<Hallazgo> hallazgos = traducido.hallazgos;
        for (Hallazgo& aviso : AvisosDeAncho(traducido, medida)) hallazgos.push_back(std::move(aviso));
        for (Hallazgo& desacuerdo : Desacuerdos(informe, menu.filename().u8string(), traducido))
            hallazgos.push_back(std::move(desacuerdo));
        EnOrdenDelArchivo(hallazgos);
        for (const Hallazgo& hallazgo : hallazgos) errores << Formatear(nombre, hallazgo) << '\n';
        errores << nombre << ": " << Resumen(traducido, hallazgos) << '\n';
        estado = std::max(estado, EstadoDeSalida(hallazgos));
    }
    return estado;
}

}  // namespace instalar::comprobar
