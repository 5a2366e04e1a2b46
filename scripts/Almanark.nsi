; The setup program of Almanark. package.sh runs
;   makensis -DVERSION=<version> -DEXE=<Almanark.exe> -DHOLIDAYS=<data/holidays>
;            -DOUTFILE=<setup.exe> Almanark.nsi
; It installs the program into Program Files\Almanark, gives the installing
; user a Start menu shortcut that starts the program in the user's documents
; folder (the program keeps Almanark.ini and its event files in the folder it
; starts in, so that folder must be writable) and adds an entry to the list of
; installed programs. "/S" installs and uninstalls silently.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WinMessages.nsh"

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Almanark"

Name "Almanark"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Almanark"
InstallDirRegKey HKLM "${UNINST_KEY}" "InstallLocation"
BrandingText "Almanark ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Almanark"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Almanark ${VERSION} setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartFromDocuments
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Almanark"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "/oname=Almanark.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; The holiday sets of the Insert Date dialog, in the folder beside the program.
    SetOutPath "$INSTDIR\Holidays"
    File "${HOLIDAYS}\*.evn"

    ; The shortcut's start-up folder is the folder current at its creation.
    SetOutPath "$DOCUMENTS"
    CreateShortCut "$SMPROGRAMS\Almanark.lnk" "$INSTDIR\Almanark.exe" "" \
        "$INSTDIR\Almanark.exe" 0 SW_SHOWNORMAL "" "Design and print wall calendars"

    WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "Almanark"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Almanark.exe,0"
    WriteRegStr HKLM "${UNINST_KEY}" "Publisher" "Almanark"
    WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Function StartFromDocuments
    SetShellVarContext current
    SetOutPath "$DOCUMENTS"
    Exec '"$INSTDIR\Almanark.exe"'
FunctionEnd

; The program's own uninstall switch removes its file types from the
; registry and reports it in a message box. A silent uninstall answers that
; box itself, so that it never waits for a user who is not there.
Function un.RemoveFileTypes
    SetOutPath "$TEMP"
    IfSilent silent
    ExecWait '"$INSTDIR\Almanark.exe" /uninstall'
    Return
silent:
    Exec '"$INSTDIR\Almanark.exe" /uninstall'
    StrCpy $1 0
wait_box:
    Sleep 100
    FindWindow $0 "#32770" "Almanark"
    IntCmp $0 0 0 answer answer
    IntOp $1 $1 + 1
    IntCmp $1 300 0 wait_box
    Return
answer:
    SendMessage $0 ${WM_COMMAND} 1 0
FunctionEnd

; Deleting a program that is still ending can fail for a moment: try again.
Function un.DeleteProgram
    StrCpy $1 0
retry:
    ClearErrors
    Delete "$INSTDIR\Almanark.exe"
    IfErrors 0 done
    IntOp $1 $1 + 1
    Sleep 100
    IntCmp $1 100 0 retry
done:
FunctionEnd

Section "Uninstall"
    SetShellVarContext current
    IfFileExists "$INSTDIR\Almanark.exe" 0 +2
    Call un.RemoveFileTypes
    Call un.DeleteProgram
    Delete "$INSTDIR\Uninstall.exe"
    Delete "$INSTDIR\Holidays\*.evn"
    SetOutPath "$TEMP"
    RMDir "$INSTDIR\Holidays"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Almanark.lnk"
    DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
