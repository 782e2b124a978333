; The Windows installer of Vorlinde, written by scripts/windows.sh:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DSTAGE=<folder> -DFILES=<list.nsh>
;            -DICON=<vorlinde.ico> -DOUTFILE=<setup.exe> vorlinde.nsi
; STAGE holds what `cmake --install` put in bin/; FILES lists its files and folders
; for the uninstaller, which removes exactly those.
;
; Per user, without administrator rights, into %LOCALAPPDATA%\Programs; per machine,
; into Program Files, when run as administrator (/CurrentUser asks for per user
; even then). Silent with /S. The uninstaller keeps the pupil's history unless
; asked (its components page).
Unicode true
; A 64-bit installer: Debian's Wine has no 32-bit part, and the program is 64-bit.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlinde"
; The history's folder: QStandardPaths' application-data folder of the program.
!define HISTORY_DIR "$APPDATA\Vorlinde"

Name "Vorlinde"
Caption "Vorlinde ${VERSION} 安装"
UninstallCaption "Vorlinde ${VERSION} 卸载"
BrandingText "Vorlinde ${VERSION}"
OutFile "${OUTFILE}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "Vorlinde"
VIAddVersionKey /LANG=2052 "FileDescription" "Vorlinde 中学数学计算器 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Vorlinde 的开发者"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\vorlinde.exe"
!define MUI_FINISHPAGE_RUN_TEXT "启动 Vorlinde"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!define MUI_COMPONENTSPAGE_TEXT_TOP "解题历史记录默认保留；如需一并删除，请勾选。"
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Var AllUsers

Function .onInit
  ; Elevated, the installer installs for every user of the machine.
  StrCpy $AllUsers 0
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    StrCpy $AllUsers 1
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
  ${EndIf}
  ${If} $AllUsers == 1
    SetShellVarContext all
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$PROGRAMFILES64\Vorlinde"
    ${EndIf}
  ${Else}
    SetShellVarContext current
    ${If} $INSTDIR == ""
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Vorlinde"
    ${EndIf}
  ${EndIf}
FunctionEnd

Section "Vorlinde"
  SectionIn RO
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Vorlinde.lnk" "$INSTDIR\vorlinde.exe" "" "$INSTDIR\vorlinde.exe" 0 \
    "" "" "中学数学计算器"

  ; The entry of Windows' list of installed programs, in the mode's own hive.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Vorlinde 中学数学计算器"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorlinde.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Vorlinde"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  ; Installed per machine when the machine's entry names this folder.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
FunctionEnd

Section "un.Vorlinde" SecProgram
  SectionIn RO
  !include "${FILES}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Vorlinde.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.解题历史记录" SecHistory
  ; The history is the pupil's own, in their roaming profile in either mode.
  SetShellVarContext current
  Delete "${HISTORY_DIR}\history.json"
  Delete "${HISTORY_DIR}\history.json.bad"
  RMDir "${HISTORY_DIR}"
SectionEnd

!insertmacro MUI_UNFUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "程序文件、开始菜单快捷方式和卸载信息。"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecHistory} "同时删除保存的解题历史记录（history.json）。"
!insertmacro MUI_UNFUNCTION_DESCRIPTION_END
