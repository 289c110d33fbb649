; The Quorbals installer for 64-bit Windows, made by tools/make_windows.sh:
;   makensis -DSTAGE=<folder with the files> -DOUTFILE=<setup.exe> -DICON=<.ico> quorbals.nsi
; Per machine into Program Files\Quorbals, a Start-menu entry, and an
; uninstaller listed among the installed programs. Both run silently with /S.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!ifndef STAGE | OUTFILE | ICON
  !error "STAGE, OUTFILE and ICON must be defined"
!endif
!define VERSION "2.1"
!define PUBLISHER "Vintra Games"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorbals"

Name "Quorbals ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quorbals"
RequestExecutionLevel admin
BrandingText "Quorbals ${VERSION}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "x64.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\quorbals.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Quorbals"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}.0.0"
VIAddVersionKey "FileDescription" "Quorbals ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT License."

; Everything the program needs lies beside it: it finds the help file and the
; sounds in its own folder.
!macro QUORBALS_FILES ACTION
  !insertmacro ${ACTION} "quorbals.exe"
  !insertmacro ${ACTION} "quorbals.chm"
  !include "${SOUNDS}"
  !insertmacro ${ACTION} "LICENSE.txt"
  !insertmacro ${ACTION} "README.txt"
!macroend
!macro INSTALL_FILE NAME
  File "${STAGE}\${NAME}"
!macroend
!macro REMOVE_FILE NAME
  Delete "$INSTDIR\${NAME}"
!macroend

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "Quorbals ${VERSION} needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Quorbals" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro QUORBALS_FILES INSTALL_FILE
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortCut "$SMPROGRAMS\Quorbals.lnk" "$INSTDIR\quorbals.exe" "" "$INSTDIR\quorbals.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quorbals"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\quorbals.exe$\",0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; Only the files the installer put there: the player's saved games and the
; data folder in AppData stay.
Section "Uninstall"
  !insertmacro QUORBALS_FILES REMOVE_FILE
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quorbals.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
