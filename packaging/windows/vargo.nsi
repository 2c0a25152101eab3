; SPDX-License-Identifier: GPL-3.0-or-later
; The vargo setup: installs the portable folder under Program Files for every user, or again into the folder
; of the last install, with a Start-menu shortcut, an optional desktop one (both start in the install
; folder, where data\ is) and an uninstaller that Windows lists among its apps.
;   makensis -DVERSION=1.0.0 -DFILES=<files.nsh> -DICON=<vargo.ico> -DLICENCE=<COPYING.txt> \
;     -DOUTFILE=<setup.exe> vargo.nsi
; FILES lists the release's files (tools/windows/nsis_files.sh), ICON is the game's, LICENCE the GPL.
; A 64-bit setup, as the game is: 32-bit Windows refuses it at once.
Target amd64-unicode
!include "MUI2.nsh"
!include "${FILES}"

Name "vargo ${VERSION}"
OutFile "${OUTFILE}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vargo"
InstallDir "$PROGRAMFILES64\vargo"
; A second run installs where the first one did.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; The GPL asks nothing of the player: a page to read, left by "Další".
!define MUI_PAGE_HEADER_TEXT "Licence"
!define MUI_PAGE_HEADER_SUBTEXT "Hra je svobodný software."
!define MUI_LICENSEPAGE_TEXT_TOP "Stisknutím klávesy Page Down posunete text licence."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Licence GNU GPL vám dává právo hru používat, šířit a měnit. Nic od vás nežádá, proto ji nemusíte přijímat."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

; Installed for every user, as the key in HKLM says: the shortcuts too.
Function .onInit
  SetShellVarContext all
FunctionEnd

; A running game keeps vargo.exe open, and Windows then lets nothing open it for writing: removing or
; replacing the game now would leave it half done. Asked, the player may close it and try again; a silent
; run ends with status 2 and changes nothing.
!macro REFUSE_WHILE_RUNNING un
Function ${un}refuseWhileRunning
  retry:
  IfFileExists "$INSTDIR\vargo.exe" 0 free
  ClearErrors
  FileOpen $0 "$INSTDIR\vargo.exe" a
  IfErrors running
  FileClose $0
  free:
  Return
  running:
  IfSilent refuse
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Hra vargo běží. Ukončete ji a zkuste to znovu." IDRETRY retry
  refuse:
  SetErrorLevel 2
  Quit
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_RUNNING ""
!insertmacro REFUSE_WHILE_RUNNING "un."

Function un.onInit
  SetShellVarContext all
  Call un.refuseWhileRunning
FunctionEnd

Section "vargo" SecGame
  SectionIn RO
  Call refuseWhileRunning
  !insertmacro VARGO_INSTALL_FILES
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\vargo.lnk" "$INSTDIR\vargo.exe" "" "$INSTDIR\vargo.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "vargo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "vargo dev"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vargo.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section /o "Zástupce na ploše" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortCut "$DESKTOP\vargo.lnk" "$INSTDIR\vargo.exe" "" "$INSTDIR\vargo.exe" 0
SectionEnd

; Only what the setup wrote: the folder may hold the player's own things too, and every folder stays
; unless it is empty.
Section "Uninstall"
  Delete "$SMPROGRAMS\vargo.lnk"
  Delete "$DESKTOP\vargo.lnk"
  !insertmacro VARGO_UNINSTALL_FILES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
