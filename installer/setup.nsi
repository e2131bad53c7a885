; The program's installer: for the current user, without administrator rights,
; into %LOCALAPPDATA%\Programs\<product> on every system. The build
; (installer/CMakeLists.txt) gives makensis the product's name, version,
; program and target (x86-unicode as shipped, amd64-unicode for machines that
; run no 32-bit code).
Target ${TPR_TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define TPR_PROGRAM_FILE "${TPR_EXECUTABLE_NAME}.exe"
!define TPR_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${TPR_PRODUCT_NAME}"
!define TPR_APPLICATION_KEY "Software\Classes\Applications\${TPR_PROGRAM_FILE}"
!define TPR_SHORTCUT "$SMPROGRAMS\${TPR_PRODUCT_NAME}.lnk"

Name "${TPR_PRODUCT_NAME}"
OutFile "${TPR_OUTFILE}"
Icon "${TPR_ICON}"
UninstallIcon "${TPR_ICON}"
InstallDir "$LOCALAPPDATA\Programs\${TPR_PRODUCT_NAME}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${TPR_VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${TPR_PRODUCT_NAME}"
VIAddVersionKey /LANG=1033 "CompanyName" "${TPR_COMPANY_NAME}"
VIAddVersionKey /LANG=1033 "FileDescription" "${TPR_PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${TPR_VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductVersion" "${TPR_VERSION}.0"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2007 ${TPR_COMPANY_NAME}"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; The running program holds its file: rather than fail on it, ask the user to
; close it (its hidden application window carries the product's name). A
; silent run has nobody to ask and ends with exit code 2.
!macro TPR_ASK_TO_CLOSE_THE_PROGRAM
  check_running:
    FindWindow $0 "ThunderRT6Main" "${TPR_PRODUCT_NAME}"
    StrCmp $0 0 not_running
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${TPR_PRODUCT_NAME} is running.$\r$\n$\r$\nClose it, then click Retry." \
      /SD IDCANCEL IDRETRY check_running
    Abort
  not_running:
!macroend

Function .onInit
  !insertmacro TPR_ASK_TO_CLOSE_THE_PROGRAM
FunctionEnd

Function un.onInit
  !insertmacro TPR_ASK_TO_CLOSE_THE_PROGRAM
FunctionEnd

; The extensions the program opens: offered in "Open with", no default taken.
!macro TPR_FOR_EACH_PHOTO_EXTENSION MACRO
  !insertmacro ${MACRO} ".jpg"
  !insertmacro ${MACRO} ".jpeg"
  !insertmacro ${MACRO} ".bmp"
  !insertmacro ${MACRO} ".gif"
  !insertmacro ${MACRO} ".png"
  !insertmacro ${MACRO} ".tif"
  !insertmacro ${MACRO} ".tiff"
!macroend

!macro TPR_OFFER_TO_OPEN EXTENSION
  WriteRegStr HKCU "${TPR_APPLICATION_KEY}\SupportedTypes" "${EXTENSION}" ""
  WriteRegStr HKCU "Software\Classes\${EXTENSION}\OpenWithList\${TPR_PROGRAM_FILE}" "" ""
!macroend

!macro TPR_NO_LONGER_OFFER_TO_OPEN EXTENSION
  DeleteRegKey HKCU "Software\Classes\${EXTENSION}\OpenWithList\${TPR_PROGRAM_FILE}"
  DeleteRegKey /ifempty HKCU "Software\Classes\${EXTENSION}\OpenWithList"
  DeleteRegKey /ifempty HKCU "Software\Classes\${EXTENSION}"
!macroend

; Tells the shell that the "Open with" lists changed.
!define TPR_ASSOCIATIONS_CHANGED "shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)"

Section
  SetOutPath "$INSTDIR"
  File "/oname=${TPR_PROGRAM_FILE}" "${TPR_PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "${TPR_SHORTCUT}" "$INSTDIR\${TPR_PROGRAM_FILE}"

  WriteRegStr HKCU "${TPR_UNINSTALL_KEY}" "DisplayName" "${TPR_PRODUCT_NAME}"
  WriteRegStr HKCU "${TPR_UNINSTALL_KEY}" "DisplayVersion" "${TPR_VERSION}"
  WriteRegStr HKCU "${TPR_UNINSTALL_KEY}" "Publisher" "${TPR_COMPANY_NAME}"
  WriteRegStr HKCU "${TPR_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${TPR_PROGRAM_FILE}"
  WriteRegStr HKCU "${TPR_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${TPR_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${TPR_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${TPR_UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${TPR_UNINSTALL_KEY}" "NoRepair" 1

  WriteRegStr HKCU "${TPR_APPLICATION_KEY}" "FriendlyAppName" "${TPR_PRODUCT_NAME}"
  WriteRegStr HKCU "${TPR_APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\${TPR_PROGRAM_FILE}" "%1"'
  !insertmacro TPR_FOR_EACH_PHOTO_EXTENSION TPR_OFFER_TO_OPEN
  System::Call "${TPR_ASSOCIATIONS_CHANGED}"
SectionEnd

; Removes what the installer added and nothing else: the user's settings and
; error report stay.
Section "Uninstall"
  !insertmacro TPR_FOR_EACH_PHOTO_EXTENSION TPR_NO_LONGER_OFFER_TO_OPEN
  DeleteRegKey HKCU "${TPR_APPLICATION_KEY}"
  DeleteRegKey HKCU "${TPR_UNINSTALL_KEY}"
  Delete "${TPR_SHORTCUT}"
  Delete "$INSTDIR\${TPR_PROGRAM_FILE}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  ; The Programs folder too, when nothing else lives there.
  RMDir "$LOCALAPPDATA\Programs"
  System::Call "${TPR_ASSOCIATIONS_CHANGED}"
SectionEnd
