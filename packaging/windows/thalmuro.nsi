; The installer of the desktop program for 64-bit Windows, made by tools/package-windows.sh:
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=0.1 -DVERSION_QUAD=0.1.0.0 -DSIZE_KB=N -DICON=thalmuro.ico
;            -DLICENSE=LICENSE.txt -DFILES=install-files.nsh -DUNFILES=uninstall-files.nsh
;            -DOUTFILE=thalmuro-0.1-setup.exe thalmuro.nsi
;
; FILES installs the program's folder file by file and UNFILES removes exactly those files, so
; that the uninstaller leaves alone anything else in the folder.
;
; It installs for all users of the computer (Program Files, with administrator rights) by
; default, or only for the user who runs it (the user's own programs folder, without
; administrator rights): chosen on its own page, or with /AllUsers or /CurrentUser on the
; command line. /S installs silently, /D=FOLDER (last on the command line) chooses the folder.
; The uninstaller is registered in "Apps & features" for the same users, and removes the
; program's files, its Start-menu entries and that registration.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!define PRODUCT "Thalmuro"
!define DISPLAY_NAME "Διαχυτήρας Thalmuro"
!define PUBLISHER "The Thalmuro project"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"
!define UNINSTALL_ENTRY_GREEK "Απεγκατάσταση του Διαχυτήρα Thalmuro"
!define UNINSTALL_ENTRY_ENGLISH "Uninstall Thalmuro Diffuser"

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
BrandingText "${DISPLAY_NAME} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=0 "ProductName" "${DISPLAY_NAME}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${DISPLAY_NAME} ${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "© 2026 ${PUBLISHER}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The language chosen at the start is kept for the uninstaller.
!define MUI_LANGDLL_REGISTRY_ROOT SHCTX
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_FINISHPAGE_RUN "$INSTDIR\thalmuro.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; NSIS's Greek texts lack those of the page that chooses the users: defined before the language
; is added, they take the place of the English ones it would fall back to.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Επιλογή χρηστών"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Επιλέξτε για ποιους χρήστες θα εγκατασταθεί το $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP \
    "Επιλέξτε αν το $(^NameDA) θα εγκατασταθεί μόνο για εσάς ή για όλους τους χρήστες του υπολογιστή. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Εγκατάσταση για όλους τους χρήστες του υπολογιστή"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Εγκατάσταση μόνο για εμένα"
!insertmacro MUI_LANGUAGE "Greek"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString UNINSTALL_ENTRY ${LANG_GREEK} "${UNINSTALL_ENTRY_GREEK}"
LangString UNINSTALL_ENTRY ${LANG_ENGLISH} "${UNINSTALL_ENTRY_ENGLISH}"

Var InstallFolder
Var ModeArgument

Function .onInit
    ; /D=FOLDER has set $INSTDIR before this function, and choosing the users sets the folder
    ; of their kind: the folder given wins.
    StrCpy $InstallFolder $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${If} $InstallFolder != ""
        StrCpy $INSTDIR $InstallFolder
    ${EndIf}
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "Install"
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${DISPLAY_NAME}.lnk" "$INSTDIR\thalmuro.exe" "" \
        "$INSTDIR\thalmuro.exe" 0
    CreateShortcut "${MENU_FOLDER}\$(UNINSTALL_ENTRY).lnk" "$INSTDIR\Uninstall.exe"

    ; The uninstaller runs for the same users the program was installed for.
    ${If} $MultiUser.InstallMode == "AllUsers"
        StrCpy $ModeArgument "/AllUsers"
    ${Else}
        StrCpy $ModeArgument "/CurrentUser"
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\thalmuro.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
        '"$INSTDIR\Uninstall.exe" $ModeArgument'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
        '"$INSTDIR\Uninstall.exe" $ModeArgument /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !include "${UNFILES}"
    Delete "$INSTDIR\Uninstall.exe"
    ; Only an empty folder is removed: files the user put there stay.
    RMDir "$INSTDIR"

    Delete "${MENU_FOLDER}\${DISPLAY_NAME}.lnk"
    ; The entry has the name of the language the installer spoke.
    Delete "${MENU_FOLDER}\${UNINSTALL_ENTRY_GREEK}.lnk"
    Delete "${MENU_FOLDER}\${UNINSTALL_ENTRY_ENGLISH}.lnk"
    RMDir "${MENU_FOLDER}"

    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
