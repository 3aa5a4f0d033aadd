; Hidewell's setup: installs for the current user, without administrator rights, under the
; user's local programs folder, with a Start-menu shortcut and an entry in the user's Apps.
; Built by scripts/package:
;   makensis -DARCH=x64|x86 -DVERSION=2.2.870 -DBIN=<folder of Hidewell.exe and hidewellctl.exe>
;            -DOUTFILE=<setup program> installer/Hidewell.nsi
; Setup and uninstaller take /S (silent); the uninstaller also /REMOVESETTINGS.

!if "${ARCH}" == "x64"
  Target amd64-unicode
!else if "${ARCH}" == "x86"
  Target x86-unicode
!else
  !error "ARCH must be x64 or x86"
!endif

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Hidewell"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Pellworth\Hidewell"

Name "Hidewell"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Hidewell"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma
BrandingText "Hidewell ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Hidewell"
VIAddVersionKey /LANG=1033 "CompanyName" "Pellworth"
VIAddVersionKey /LANG=1033 "FileDescription" "Hidewell ${VERSION} Setup (${ARCH})"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Pellworth"

!define MUI_ICON "../resources/Hidewell.ico"
!define MUI_UNICON "../resources/Hidewell.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Hidewell.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Hidewell now"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!define MUI_COMPONENTSPAGE_TEXT_TOP "Hidewell is ended first: every window it has hidden comes back."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Asks a running Hidewell to end as its Exit does, without the question, and waits for it.
; One that does not end is not left with its files in use: the user is asked to end it and
; retry, or the setup stops (a silent one at once).
!macro EndHidewell
  ${If} ${FileExists} "$INSTDIR\hidewellctl.exe"
    ${Do}
      nsExec::Exec '"$INSTDIR\hidewellctl.exe" exit'
      Pop $0
      ; 0: it ended; 1: it was not running; anything else: it still runs.
      ${If} $0 == 0
      ${OrIf} $0 == 1
        ${Break}
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Hidewell is still running and did not end.$\r$\nEnd it from its menu in the notification area (Exit), then choose Retry." /SD IDCANCEL IDRETRY +2
      Abort
    ${Loop}
  ${EndIf}
!macroend

Section "Hidewell"
  SetShellVarContext current
  ; A Hidewell that runs from here is ended, so its files can be replaced.
  !insertmacro EndHidewell
  SetOutPath "$INSTDIR"
  File "${BIN}/Hidewell.exe"
  File "${BIN}/hidewellctl.exe"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Hidewell.lnk" "$INSTDIR\Hidewell.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Hidewell"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Pellworth"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Hidewell.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "un.Hidewell" SecProgram
  SectionIn RO
  SetShellVarContext current
  !insertmacro EndHidewell
  Delete "$INSTDIR\Hidewell.exe"
  Delete "$INSTDIR\hidewellctl.exe"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Hidewell.lnk"
  ; Start with Windows: only the value that starts this copy (a portable copy keeps its own).
  ReadRegStr $0 HKCU "${RUN_KEY}" "Hidewell"
  ${If} $0 == '"$INSTDIR\Hidewell.exe" /startup'
  ${OrIf} $0 == '"$INSTDIR\Hidewell.exe"'
  ${OrIf} $0 == "$INSTDIR\Hidewell.exe"
    DeleteRegValue HKCU "${RUN_KEY}" "Hidewell"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.My settings (the list of titles and the options)" SecSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Pellworth"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "Hidewell, its Start-menu shortcut and its start with Windows."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecSettings} "Your list of titles, the options and the date format, kept in the registry."
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END

Function un.onInit
  ; /REMOVESETTINGS removes the settings too (for silent uninstalls).
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecSettings} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
