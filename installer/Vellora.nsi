; The Windows installer of Vellora for one architecture: the plug-in goes into
; the host's plug-ins folder (the directory page, or /D= when silent), the help
; file and the uninstaller into the program folder, whose path the plug-in
; reads from HKLM\Software\Vellora "InstallPath" in the registry view of its
; own architecture. The uninstaller removes all of that and never touches the
; project file Vellora.ini: neither the system folder's nor each user's own
; (Vellora\Vellora.ini in the roaming application data).
;
;   makensis -DARCH=win64|win32 -DVERSION=1.51 -DPLUGIN_FILE=<Vellora.api>
;            -DHELP_FILE=<VELLORA.CHM> -DOUTPUT_FILE=<setup.exe> Vellora.nsi

; The installer and its uninstaller are programs of the plug-in's own
; architecture, so the 64-bit one runs where the 64-bit host runs (and under a
; 64-bit-only Wine).
!if "${ARCH}" == "win64"
  Target amd64-unicode
  !define BITS 64
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else if "${ARCH}" == "win32"
  Target x86-unicode
  !define BITS 32
  !define PROGRAM_FILES "$PROGRAMFILES32"
!else
  !error "ARCH must be win64 or win32"
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define SETTINGS_KEY "Software\Vellora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vellora"
!define HOST_APP_PATH_KEY "Software\Microsoft\Windows\CurrentVersion\App Paths\Acrobat.exe"
!define PLUGIN_NAME "Vellora.api"
!define HELP_NAME "VELLORA.CHM"
!define UNINSTALLER_NAME "Uninstall.exe"

Name "Vellora v${VERSION} (${BITS}-bit)"
OutFile "${OUTPUT_FILE}"
ShowInstDetails show
ShowUninstDetails show

; The help file and the uninstaller: the value of "InstallPath".
Var ProgramFolder

!define MUI_ABORTWARNING
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup puts the Vellora plug-in into the plug-ins folder of Adobe Acrobat (${BITS}-bit): the folder named plug_ins beside Acrobat.exe. The help file and the uninstaller go to ${PROGRAM_FILES}\Vellora.$\r$\n$\r$\nQuit Acrobat before you go on."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Acrobat plug_ins folder"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE CheckPluginsFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!macro UsePluginRegistryView
  !if ${BITS} == 64
    SetRegView 64
  !else
    SetRegView 32
  !endif
!macroend

Function .onInit
  !insertmacro UsePluginRegistryView
  StrCpy $ProgramFolder "${PROGRAM_FILES}\Vellora"
  ; No /D= given: the folder of the last installation, else the plug-ins
  ; folder of the Acrobat registered in this registry view, else Acrobat's
  ; usual place.
  ${If} $INSTDIR == ""
    ReadRegStr $INSTDIR HKLM "${UNINSTALL_KEY}" "PluginFolder"
  ${EndIf}
  ${If} $INSTDIR == ""
    ReadRegStr $0 HKLM "${HOST_APP_PATH_KEY}" ""
    ${If} $0 != ""
      ${GetParent} $0 $1
      StrCpy $INSTDIR "$1\plug_ins"
    ${Else}
      StrCpy $INSTDIR "${PROGRAM_FILES}\Adobe\Acrobat DC\Acrobat\plug_ins"
    ${EndIf}
  ${EndIf}
FunctionEnd

; A folder without Acrobat.exe beside it is most likely not the one meant.
Function CheckPluginsFolder
  ${IfNot} ${FileExists} "$INSTDIR\..\Acrobat.exe"
    MessageBox MB_YESNO|MB_ICONQUESTION "There is no Acrobat.exe beside this folder, so Acrobat may not load the plug-in from it.$\r$\n$\r$\nInstall into $INSTDIR anyway?" IDYES +2
    Abort
  ${EndIf}
FunctionEnd

Section "Vellora"
  ; An earlier installation into another plug-ins folder: its plug-in goes,
  ; or the host would load two copies.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "PluginFolder"
  ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "PluginFolderCreated"
  ${If} $0 != ""
  ${AndIf} $0 != $INSTDIR
    Delete "$0\${PLUGIN_NAME}"
    ${If} $1 == 1
      RMDir $0
    ${EndIf}
    StrCpy $1 0
  ${EndIf}
  ; A plug-ins folder that this installer makes is removed again by the
  ; uninstaller (only when empty).
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $1 1
  ${EndIf}

  SetOutPath $INSTDIR
  File "/oname=${PLUGIN_NAME}" "${PLUGIN_FILE}"
  SetOutPath $ProgramFolder
  File "/oname=${HELP_NAME}" "${HELP_FILE}"
  WriteUninstaller "$ProgramFolder\${UNINSTALLER_NAME}"

  WriteRegStr HKLM "${SETTINGS_KEY}" "InstallPath" $ProgramFolder

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vellora v${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vellora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" $ProgramFolder
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$ProgramFolder\${UNINSTALLER_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$ProgramFolder\${UNINSTALLER_NAME}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$ProgramFolder\${UNINSTALLER_NAME}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} $ProgramFolder "/S=0K" $2 $3 $4
  ${GetSize} $INSTDIR "/M=${PLUGIN_NAME} /S=0K /G=0" $5 $3 $4
  IntOp $2 $2 + $5
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "PluginFolder" $INSTDIR
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "PluginFolderCreated" $1
SectionEnd

Function un.onInit
  !insertmacro UsePluginRegistryView
FunctionEnd

; $INSTDIR is the program folder here, where the uninstaller lies.
Section "Uninstall"
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "PluginFolder"
  ReadRegDWORD $1 HKLM "${UNINSTALL_KEY}" "PluginFolderCreated"
  ${If} $0 != ""
    Delete "$0\${PLUGIN_NAME}"
    ${If} $1 == 1
      RMDir $0
    ${EndIf}
  ${EndIf}
  Delete "$INSTDIR\${HELP_NAME}"
  Delete "$INSTDIR\${UNINSTALLER_NAME}"
  RMDir $INSTDIR

  DeleteRegValue HKLM "${SETTINGS_KEY}" "InstallPath"
  DeleteRegKey /ifempty HKLM "${SETTINGS_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
