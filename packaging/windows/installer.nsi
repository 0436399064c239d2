; The Windows installer: a per-user install into %LOCALAPPDATA%\Programs\tarnwik
; with a Start-menu shortcut and an uninstaller that Settings > Apps lists.
; Built on Debian by scripts/windows:
;   makensis -DVERSION=<x.y.z> -DSTAGE=<folder holding the zip's files>
;            -DICON=<tarnwik.ico> -DSIZE_KB=<installed size> -DOUTFILE=<setup.exe>
;            [-DSIGN_COMMAND=<program that signs the file it is given>] installer.nsi

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh

!define PUBLISHER "The tarnwik developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\tarnwik"

Name "tarnwik"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\tarnwik"
BrandingText "tarnwik ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "tarnwik"
VIAddVersionKey /LANG=1033 "FileDescription" "tarnwik ${VERSION} installer"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT licence."

; The uninstaller is made while this file is compiled, so both can be signed here.
!ifdef SIGN_COMMAND
!uninstfinalize '"${SIGN_COMMAND}" "%1"'
!finalize '"${SIGN_COMMAND}" "%1"'
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEPAGE_TEXT "Setup will install tarnwik ${VERSION} for you alone, in your own \
    folders, so it needs no administrator rights.$\r$\n$\r$\nClick Next to continue."
!define MUI_FINISHPAGE_RUN "$INSTDIR\tarnwik.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Every file the install puts down, for the install and the uninstall alike:
; the uninstall removes these and nothing else.
!macro TARNWIK_FILES EACH
    !insertmacro ${EACH} "$INSTDIR" "tarnwik.exe"
    !insertmacro ${EACH} "$INSTDIR" "LICENSE"
    !insertmacro ${EACH} "$INSTDIR" "README.txt"
    !insertmacro ${EACH} "$INSTDIR\Fonts" "Fonts\arial.ttf"
    !insertmacro ${EACH} "$INSTDIR\Fonts" "Fonts\arcade.ttf"
    !insertmacro ${EACH} "$INSTDIR\Fonts" "Fonts\LiberationSans-LICENSE.txt"
    !insertmacro ${EACH} "$INSTDIR\Fonts" "Fonts\DotGothic16-LICENSE.txt"
!macroend
!macro INSTALL_FILE FOLDER FILE
    SetOutPath "${FOLDER}"
    File "${STAGE}\${FILE}"
!macroend
!macro REMOVE_FILE FOLDER FILE
    Delete "$INSTDIR\${FILE}"
!macroend

Section "tarnwik"
    SetShellVarContext current
    ; An earlier install, wherever it went, is removed by its own uninstaller
    ; first, so nothing of an older version stays behind.
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        ExecWait '"$0\uninstall.exe" /S _?=$0'
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}

    !insertmacro TARNWIK_FILES INSTALL_FILE
    WriteUninstaller "$INSTDIR\uninstall.exe"
    ; The shortcut starts the game in its folder, where it finds Fonts\.
    SetOutPath "$INSTDIR"
    CreateShortcut "$SMPROGRAMS\tarnwik.lnk" "$INSTDIR\tarnwik.exe" "" "$INSTDIR\tarnwik.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "tarnwik"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarnwik.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\tarnwik.lnk"
    !insertmacro TARNWIK_FILES REMOVE_FILE
    Delete "$INSTDIR\uninstall.exe"
    ; Only empty folders go: anything a player put there stays.
    RMDir "$INSTDIR\Fonts"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
