; The per-user installer: quelmar-<version>-setup.exe, made by
; make-installer.sh from the folder the zip is made of. It installs for the
; user who runs it, without administrator rights, under the user's own
; programs folder, and writes nothing under HKLM or Program Files.
;
; Defined by make-installer.sh: VERSION, OUTFILE, ICON, FILES (the install
; commands), REMOVE (the uninstall commands), SHIPPED (IsShipped, the test of
; a name against what this version ships); SIGN, when signing, the command
; that signs the file named %1.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestSupportedOS Win10
ManifestDPIAware true
ManifestLongPathAware true
SetCompressor /SOLID lzma
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include TextFunc.nsh
!include WordFunc.nsh
!include "${SHIPPED}"

!define NAME "Quelmar"
!define PUBLISHER "The Quelmar developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quelmar"
; "Open with" for .cfg: a choice of its own beside the player's default
; program, never the default itself.
!define PROGID "Quelmar.Script"
!define CLASSES "Software\Classes"
; The list of what an install put in its folder, by name, read by the next
; version's installer to remove what that one no longer ships.
!define LIST "installed-files.txt"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quelmar"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME} ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "MIT licence"

!ifdef SIGN
    !finalize '${SIGN}'
    !uninstfinalize '${SIGN}'
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\quelmar.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Russian"

LangString SecProgram ${LANG_ENGLISH} "Quelmar and its Start-menu shortcut"
LangString SecProgram ${LANG_RUSSIAN} "Quelmar и ярлык в меню «Пуск»"
LangString SecDesktop ${LANG_ENGLISH} "A shortcut on the desktop"
LangString SecDesktop ${LANG_RUSSIAN} "Ярлык на рабочем столе"
LangString Running ${LANG_ENGLISH} "Quelmar is running from $R0.$\n$\nClose it (save your script first), then press Retry."
LangString Running ${LANG_RUSSIAN} "Quelmar сейчас запущен из $R0.$\n$\nЗакройте его (сначала сохраните сценарий) и нажмите «Повтор»."
LangString StillRunning ${LANG_ENGLISH} "Quelmar is still running from $R0; nothing was changed."
LangString StillRunning ${LANG_RUSSIAN} "Quelmar всё ещё запущен из $R0; ничего не изменено."
LangString OpenWith ${LANG_ENGLISH} "Counter-Strike script"
LangString OpenWith ${LANG_RUSSIAN} "Сценарий Counter-Strike"

Var OldDir

; The language the program itself speaks: Russian where Windows' display
; language is Russian, Ukrainian or Belarusian, English elsewhere. NSIS
; alone would pick English for Ukrainian and Belarusian.
!macro ChooseLanguage
    System::Call 'kernel32::GetUserDefaultUILanguage() i .r0'
    IntOp $0 $0 & 0x3FF
    ${If} $0 = 0x19
    ${OrIf} $0 = 0x22
    ${OrIf} $0 = 0x23
        StrCpy $LANGUAGE ${LANG_RUSSIAN}
    ${Else}
        StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${EndIf}
!macroend

; Windows refuses to let a running program's file be written, and so does
; Wine: a program of the folder $R0 that cannot be opened for writing runs.
; The player is asked to close it; a silent run waits ten seconds for it,
; then gives up, with status 2, before any file is touched.
!macro WaitWhileRunning un
Function ${un}WaitWhileRunning
    StrCpy $R2 0
    ${Do}
        StrCpy $R1 ""
        ${ForEach} $R3 0 1 + 1
            ${If} $R3 = 0
                StrCpy $R4 "$R0\quelmar.exe"
            ${Else}
                StrCpy $R4 "$R0\quelmar.com"
            ${EndIf}
            ${If} ${FileExists} $R4
                ClearErrors
                FileOpen $R5 $R4 a
                ${If} ${Errors}
                    StrCpy $R1 1
                ${Else}
                    FileClose $R5
                ${EndIf}
            ${EndIf}
        ${Next}
        ${If} $R1 == ""
            Return
        ${EndIf}
        ${If} ${Silent}
            IntOp $R2 $R2 + 1
            ${If} $R2 > 20
                SetErrorLevel 2
                DetailPrint "$(StillRunning)"
                Quit
            ${EndIf}
            Sleep 500
        ${Else}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" IDRETRY retry
            SetErrorLevel 2
            Quit
            retry:
        ${EndIf}
    ${Loop}
FunctionEnd
!macroend
!insertmacro WaitWhileRunning ""
!insertmacro WaitWhileRunning "un."

; Removes, by the names its list gives (kept aside before the new files
; came), what the install in $OldDir put there and this version does not
; put back (everything, when this version goes elsewhere). Names that would
; leave the folder are ignored.
Function RemoveOldFiles
    ClearErrors
    FileOpen $R5 "$PLUGINSDIR\${LIST}" r
    ${If} ${Errors}
        Return
    ${EndIf}
    ${Do}
        ClearErrors
        FileRead $R5 $0
        ${If} ${Errors}
            ${Break}
        ${EndIf}
        ${TrimNewLines} $0 $0
        ${If} $0 == ""
        ${OrIf} $0 == ".."
            ${Continue}
        ${EndIf}
        StrCpy $1 $0 1
        ${If} $1 == "\"
            ${Continue}
        ${EndIf}
        ${WordFind} $0 ".." "E*" $1
        ${IfNot} ${Errors}
            ${Continue}
        ${EndIf}
        ${WordFind} $0 ":" "E*" $1
        ${IfNot} ${Errors}
            ${Continue}
        ${EndIf}
        StrCpy $1 0
        ${If} $OldDir == $INSTDIR
            !insertmacro IsShipped $0 $1
        ${EndIf}
        ${If} $1 = 0
            StrCpy $2 $0 1 -1
            ${If} $2 == "\"
                RMDir "$OldDir\$0"
            ${Else}
                Delete "$OldDir\$0"
            ${EndIf}
        ${EndIf}
    ${Loop}
    FileClose $R5
    ${If} $OldDir != $INSTDIR
        Delete "$OldDir\${LIST}"
        Delete "$OldDir\uninstall.exe"
        RMDir $OldDir
    ${EndIf}
FunctionEnd

Section "$(SecProgram)" SecProgram
    SectionIn RO
    ; The older version: where its registration says, else whatever stands
    ; where this one goes.
    ReadRegStr $OldDir HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $OldDir == ""
        StrCpy $OldDir $INSTDIR
    ${EndIf}
    StrCpy $R0 $INSTDIR
    Call WaitWhileRunning
    StrCpy $R0 $OldDir
    Call WaitWhileRunning
    InitPluginsDir
    CopyFiles /SILENT "$OldDir\${LIST}" "$PLUGINSDIR\${LIST}"
    ; The new files first, over the old ones; only then what is left of the
    ; old version goes, so a failure never leaves the folder without a
    ; whole program.
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    Call RemoveOldFiles

    CreateShortCut "$SMPROGRAMS\Quelmar.lnk" "$INSTDIR\quelmar.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quelmar.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "https://quelmar.github.io/Quelmar/"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "$(OpenWith)"
    WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\quelmar.exe,0"
    WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\quelmar.exe" "%1"'
    WriteRegNone HKCU "${CLASSES}\.cfg\OpenWithProgids" "${PROGID}"
    WriteRegStr HKCU "${CLASSES}\Applications\quelmar.exe" "FriendlyAppName" "${NAME}"
    WriteRegStr HKCU "${CLASSES}\Applications\quelmar.exe\SupportedTypes" ".cfg" ""
    WriteRegStr HKCU "${CLASSES}\Applications\quelmar.exe\shell\open\command" "" \
        '"$INSTDIR\quelmar.exe" "%1"'
    ; SHCNE_ASSOCCHANGED: Explorer reads the choices again.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section /o "$(SecDesktop)" SecDesktop
    CreateShortCut "$DESKTOP\Quelmar.lnk" "$INSTDIR\quelmar.exe"
SectionEnd

Function .onInit
    !insertmacro ChooseLanguage
    ; /DESKTOP asks a silent install for the desktop shortcut too.
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/DESKTOP" $1
    ${IfNot} ${Errors}
        SectionSetFlags ${SecDesktop} ${SF_SELECTED}
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro ChooseLanguage
FunctionEnd

Section Uninstall
    StrCpy $R0 $INSTDIR
    Call un.WaitWhileRunning
    ; Exactly what the install put there, by name: a script the player
    ; saved in the folder stays, and the folder with it.
    !include "${REMOVE}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; The user's programs folder, where the install made it and nothing
    ; else is there.
    RMDir "$LOCALAPPDATA\Programs"
    Delete "$SMPROGRAMS\Quelmar.lnk"
    Delete "$DESKTOP\Quelmar.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "${CLASSES}\${PROGID}"
    DeleteRegKey HKCU "${CLASSES}\Applications\quelmar.exe"
    DeleteRegValue HKCU "${CLASSES}\.cfg\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKCU "${CLASSES}\.cfg\OpenWithProgids"
    DeleteRegKey /ifempty HKCU "${CLASSES}\.cfg"
    ; The keys above ours, where the install made them and they are empty.
    DeleteRegKey /ifempty HKCU "${CLASSES}\Applications"
    DeleteRegKey /ifempty HKCU "${CLASSES}"
    DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
