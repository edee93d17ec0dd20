; The setup program: installs Nudgely for the current user alone, without administrator rights, into
; the user's own programs folder, and registers an uninstaller under the user's own registry hive.
;
; The build defines: VERSION (the project's version), VERSION_QUAD (the same with four numbers),
; PROGRAM (nudgely.exe), HELP_FOLDER (where the help files Help*.chm are), TEXTS (the folder of the
; texts, which holds each language's Setup.nsh), ICON (the program's icon) and OUTFILE.
;
; The setup speaks the language of the user's Windows interface when it is one of the program's,
; English otherwise.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Nudgely"
!define PUBLISHER "brantel"
; Tenths of a second to wait for a closed copy of the program to let go of its executable.
!define PROGRAM_RELEASE_TENTHS 100

Name "Nudgely"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Nudgely"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Nudgely ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\nudgely.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(SetupStartNow)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English first: the language of every other system.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "SpanishInternational"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "SimpChinese"
!include /CHARSET=UTF8 "${TEXTS}/en/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/de/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/fr/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/es/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/it/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/pt-BR/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/pl/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/ru/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/ja/Setup.nsh"
!include /CHARSET=UTF8 "${TEXTS}/zh-CN/Setup.nsh"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Nudgely"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Nudgely setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

; A running copy holds its executable open: the installed files can be replaced or removed only
; once it has ended. It is asked to quit the program's own way, and then waited for; a copy that
; will not let go stops the setup rather than leave a half-replaced installation.
!macro DEFINE_WAIT_FOR_PROGRAM_RELEASE PREFIX
Function ${PREFIX}WaitForProgramRelease
    StrCpy $R0 0
    ${DoWhile} $R0 < ${PROGRAM_RELEASE_TENTHS}
        ${IfNot} ${FileExists} "$INSTDIR\nudgely.exe"
            Return
        ${EndIf}
        ClearErrors
        FileOpen $R1 "$INSTDIR\nudgely.exe" a
        ${IfNot} ${Errors}
            FileClose $R1
            Return
        ${EndIf}
        Sleep 100
        IntOp $R0 $R0 + 1
    ${Loop}
    MessageBox MB_OK|MB_ICONSTOP "$(SetupStillRunning)" /SD IDOK
    Abort "$(SetupStillRunningShort)"
FunctionEnd
!macroend
!insertmacro DEFINE_WAIT_FOR_PROGRAM_RELEASE ""
!insertmacro DEFINE_WAIT_FOR_PROGRAM_RELEASE "un."

; The new executable is the one asked to send the close request, so a running copy is closed
; also when it was started from somewhere else, such as an unpacked zip.
Function CloseRunningCopy
    InitPluginsDir
    SetOutPath "$PLUGINSDIR"
    File "/oname=nudgely.exe" "${PROGRAM}"
    ExecWait '"$PLUGINSDIR\nudgely.exe" /close'
    Call WaitForProgramRelease
FunctionEnd

Section "Nudgely"
    SectionIn RO
    Call CloseRunningCopy

    SetOutPath "$INSTDIR"
    File "/oname=nudgely.exe" "${PROGRAM}"
    File "${HELP_FOLDER}/Help*.chm"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\Nudgely.lnk" "$INSTDIR\nudgely.exe"
    ; The start-up shortcut is made again below only when still wanted.
    Delete "$SMSTARTUP\Nudgely.lnk"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Nudgely"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\nudgely.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(SetupStartWithWindows)"
    SetOutPath "$INSTDIR"
    CreateShortCut "$SMSTARTUP\Nudgely.lnk" "$INSTDIR\nudgely.exe"
SectionEnd

; Removes what the setup put there. The reminders, voice notes and hot keys in the user's
; application-data folder stay: they are the user's, and a later installation finds them again.
Section "Uninstall"
    ${If} ${FileExists} "$INSTDIR\nudgely.exe"
        ExecWait '"$INSTDIR\nudgely.exe" /close'
        Call un.WaitForProgramRelease
    ${EndIf}

    Delete "$SMSTARTUP\Nudgely.lnk"
    Delete "$SMPROGRAMS\Nudgely.lnk"
    Delete "$INSTDIR\nudgely.exe"
    Delete "$INSTDIR\Help*.chm"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
