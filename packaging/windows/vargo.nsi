; SPDX-License-Identifier: GPL-3.0-or-later
; The vargo setup: installs the portable folder under Program Files for every user, with a Start-menu
; shortcut, an optional desktop one (both start in the install folder, where data\ is) and an uninstaller
; that Windows lists among its apps.
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder of the zip's files> -DOUTFILE=<setup.exe> vargo.nsi
; A 64-bit setup, as the game is: 32-bit Windows refuses it at once.
Target amd64-unicode
!include "MUI2.nsh"

Name "vargo ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\vargo"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vargo"

!insertmacro MUI_PAGE_LICENSE "${STAGE}/licences/COPYING.txt"
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

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "vargo" SecGame
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
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

Section "Uninstall"
  Delete "$SMPROGRAMS\vargo.lnk"
  Delete "$DESKTOP\vargo.lnk"
  ; Only what the setup put there: the folder may have been one the player chose for other things too.
  Delete "$INSTDIR\vargo.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir /r "$INSTDIR\data"
  RMDir /r "$INSTDIR\images"
  RMDir /r "$INSTDIR\fonts"
  RMDir /r "$INSTDIR\licences"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
