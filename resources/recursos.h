/* Resource identifiers of instalar.exe, shared by instalar.rc and the C++
   code.  Plain defines only: the resource compiler reads this file too. */
#ifndef INSTALAR_RECURSOS_H
#define INSTALAR_RECURSOS_H

#define IDI_INSTALAR 101 /* window icon: two computers */
#define IDI_FLECHA   102 /* marker beside the selected entry: green arrow */
#define IDC_MANO     103 /* cursor over the entries: pointing hand */

#endif
