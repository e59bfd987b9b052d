#include "comprobar/Ayuda.h"

#include "window/Reparto.h"

namespace instalar::comprobar {

namespace {

// {Y1}, {Y2}, {ALTO} and {SOLAPE} stand for the window's layout values.
const char* const kPlantilla = R"(Uso: comprobar [--listar] [--maquina ARQ,VERSIÓN] [--carpeta CARPETA] [ARCHIVO]
       comprobar --idiomas [ARCHIVO]
       comprobar --help | --version

Comprueba un archivo de menú de instalar (por omisión, instalar.inf en la
carpeta actual) leyéndolo igual que instalar.exe, y escribe cada problema en
una línea con la forma de los compiladores:

    archivo:línea: error: mensaje
    archivo:línea: aviso: mensaje
    archivo:línea: nota: mensaje

Las líneas se cuentan como las cuenta instalar.exe: cada una termina en CR o
en CR LF. Un problema de todo el archivo sale sin número de línea.

Opciones:
  --listar            escribe además las opciones tal como las mostrará
                      instalar: nombre, programa, sus argumentos y la
                      descripción que se ve al elegirla, en orden, y si el
                      menú espera a cada instalación y vuelve; con
                      las condiciones y pruebas de cada opción (;@si,
                      ;@requiere, ;@instalado)
  --maquina ARQ,VERSIÓN
                      escribe qué opciones se muestran, cuáles salen en
                      gris (con su motivo) y cuáles se ocultan en esa
                      máquina: x86,6.1, x64,10.0.22631, arm64,10.0.26100;
                      las pruebas de ;@instalado no se pueden responder
                      para otra máquina
  --carpeta CARPETA   carpeta de instalar.exe, contra la que se buscan los
                      programas de instalación; por omisión, la del archivo
                      de menú (instalar.exe lee instalar.inf de su carpeta)
  --idiomas           dice qué archivo lee instalar para cada idioma de
                      presentación del usuario (el de Windows; en Linux,
                      LANGUAGE, LC_ALL, LC_MESSAGES o LANG), y cuál leería
  --help              muestra esta ayuda
  --version           muestra la versión de comprobar (la de instalar)

Los archivos de otros idiomas junto al menú (instalar.en.inf,
instalar.pt-BR.inf, ...) se comprueban también, cada uno como un menú.

Errores (el menú falla ante sus usuarios):
  - el archivo no se puede leer (no existe, es una carpeta, falta permiso);
  - faltan las líneas de cabecera: la 1 es el título y la 2 la versión;
  - ninguna línea es una opción nombre;programa;descripción;
  - el programa de una opción no existe en la carpeta de instalar.exe (la
    ruta es relativa a ella; en Linux, como en Windows, no se distinguen
    mayúsculas y minúsculas, y se ignoran los espacios y puntos finales).
    Una opción puede nombrar un programa de instalación, un paquete de
    Windows Installer (.msi) o un documento: lo que no es un programa lo abre
    Windows con el programa asociado a su tipo;
  - el programa lleva argumentos tras el nombre del archivo sin comillas
    ("setup.exe /S"): instalar toma todo el texto como nombre de archivo. Los
    argumentos se escriben tras la ruta entre comillas: "setup.exe" /S;
  - un programa que empieza por comillas y no las cierra, unas comillas sin
    ninguna ruta dentro, o un carácter NUL en el programa o sus argumentos
    (Windows solo lo leería hasta ahí);
  - el programa es una carpeta, o la opción no indica ningún programa;
  - un ";" o el final del programa está más allá del carácter 32.767 de la
    línea (posiciones de 16 bits): instalar deja de leer ahí;
  - hay más de 32.767 opciones: instalar deja de leer en la siguiente;
  - una condición de ";@si" o ";@requiere", o una prueba de ";@instalado",
    que instalar no conoce (la pasa por alto: la opción se ve y no sale
    marcada), o un código de producto mal formado en ";@instalado msi".

Avisos (el menú funciona, pero no como parece):
  - fin de línea LF sin CR: el LF no termina la línea, y un archivo con solo
    LF se lee entero como una sola línea;
  - el archivo parece UTF-8 pero alguna línea no es UTF-8 válido: instalar lo
    lee entonces entero en ANSI (Windows-1252) y los acentos se verían mal;
  - la marca de UTF-16 big-endian (FE FF), que instalar no admite: lee el
    archivo como ANSI y se vería como basura;
  - en un archivo leído como ANSI, bytes que Windows-1252 no define: 0x81,
    0x8D, 0x8F, 0x90 y 0x9D;
  - dos nombres iguales o que solo se diferencian en mayúsculas: los dos
    muestran la descripción del primero;
  - una opción sin descripción (sin segundo ";"): al elegirla sigue a la
    vista la descripción de la opción elegida antes;
  - un "&" en un nombre o una descripción: marca la letra siguiente como
    tecla de acceso y no se ve ("&&" muestra un "&");
  - más opciones de las que caben entre los extremos de la línea divisoria
    ({Y1} y {Y2} twips) con su alto de diseño de {ALTO} twips: a partir de
    {SOLAPE} se solapan;
  - una línea con texto pero sin ";", que se ignora: parece una opción mal
    escrita (los comentarios empiezan por ";");
  - una línea que empieza por un tabulador: no se quita como los espacios, así
    que no es un comentario ni se ignora, sino una opción con ese nombre;
  - un archivo sin extensión ("setup" en lugar de "setup.exe"): Windows solo
    lo arranca si es un programa y, si es un paquete o un documento, no sabe
    con qué abrirlo;
  - argumentos para un documento (ni programa ni paquete .msi o .msp):
    Windows se los pasa al programa que lo abre, y la mayoría los ignora;
  - argumentos de un archivo por lotes (.bat, .cmd) que cmd, que es quien lo
    arranca, lee como algo más: fuera de comillas, "&" y "|" empiezan otra
    orden, "<" y ">" llevan la entrada o la salida a un archivo y "^"
    desaparece; también entre comillas, "%NOMBRE%" se cambia por esa
    variable de entorno;
  - un programa fuera de la carpeta del menú ("..\otro\setup.exe"): instalar
    lo arranca, pero solo donde esa carpeta esté junto a la del menú; o una
    ruta que empieza por una letra de unidad o por "\\" como si nombrara
    otra unidad o una carpeta de red, que instalar busca igualmente dentro de
    su carpeta;
  - una directiva desconocida (un comentario que empieza por ";@"): instalar
    conoce ";@volver", que hace que el menú espere a cada instalación y
    vuelva; ";@si", ";@requiere" e ";@instalado"; y ";@texto CLAVE=texto",
    que cambia uno de sus textos; las demás las ignora como comentarios;
  - ";@volver" escrito más de una vez;
  - un ";@si", ";@requiere" o ";@instalado" que ninguna opción sigue;
  - ";@si" y ";@requiere" que se contradicen en una opción (donde se
    muestra, siempre sale en gris), o ";@si" que ninguna máquina cumple a
    la vez;
  - dos nombres iguales siguen avisándose salvo que sus ";@si" los separen
    (ninguna máquina muestra las dos opciones);
  - un ";@texto" con una clave que instalar no conoce, o sin "=": lo ignora
    y el texto sigue como estaba;
  - un texto de ";@texto" para un botón o para la línea de indicación que no
    cabe, medido con las fuentes de la ventana (solo en Windows): un botón
    crece como mucho hasta la mitad de la ventana, y la indicación es una
    línea dentro de ella (también el motivo de una opción en gris y el "ya
    está instalado", con las versiones y los nombres de las opciones del
    archivo en lugar de %1);
  - un archivo de idioma cuyas opciones no arrancan los mismos programas, en
    el mismo orden, que las del archivo de menú: se traducen los nombres y
    las descripciones, no los programas.

Notas (para saber cómo lo leerá instalar): un archivo que empieza por la
marca de UTF-8 o de UTF-16 little-endian, o que es UTF-8 válido entero, se
lee como UTF-8 o UTF-16; cualquier otro, en la página de códigos ANSI. En el
primer archivo por lotes, cómo llega a sus propios archivos (%~dp0) si el
menú se abre desde una carpeta de red, donde cmd lo arranca en la carpeta de
Windows.

Los problemas salen por la salida de errores y el listado por la salida
normal. Estado de salida: 0 si no hay errores (aunque haya avisos), 1 si hay
algún error y 2 si la línea de órdenes es incorrecta.
)";

void Sustituir(std::string& texto, const std::string& marca, double valor) {
    const std::string cifra = std::to_string(static_cast<long long>(valor));
    for (size_t donde = texto.find(marca); donde != std::string::npos; donde = texto.find(marca, donde))
        texto.replace(donde, marca.size(), cifra);
}

}  // namespace

std::string TextoAyuda() {
    const double alto = kAltoOpcionDeDiseno;
    int solape = 1;
    while (HuecoEntreOpciones(kDivisoriaDeDiseno, alto, solape) >= 0) ++solape;
    std::string texto = kPlantilla;
    Sustituir(texto, "{Y1}", kDivisoriaDeDiseno.y1);
    Sustituir(texto, "{Y2}", kDivisoriaDeDiseno.y2);
    Sustituir(texto, "{ALTO}", alto);
    Sustituir(texto, "{SOLAPE}", solape);
    return texto;
}

}  // namespace instalar::comprobar
