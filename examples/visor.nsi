; A real installer for the demo menu, built with NSIS.  It installs a small
; note viewer (a text file and an uninstaller) for the current user only.
Unicode true
Name "Visor de notas"
OutFile "${SALIDA}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Visor de notas"
SetCompressor /SOLID lzma

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Visor de notas"
  SetOutPath "$INSTDIR"
  File "/oname=LEEME.txt" "${LEEME}"
  WriteUninstaller "$INSTDIR\desinstalar.exe"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\LEEME.txt"
  Delete "$INSTDIR\desinstalar.exe"
  RMDir "$INSTDIR"
SectionEnd
