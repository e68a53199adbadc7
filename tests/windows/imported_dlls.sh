#!/usr/bin/env bash
# The Windows program runs on a Windows with nothing installed: every DLL it
# imports is one that Windows itself has, or ships beside it in the game
# folder (and so in the zip).
#   imported_dlls.sh GAME_DIR
set -euo pipefail
game=${1:?usage: imported_dlls.sh GAME_DIR}
exe="$game/Brindlecog.exe"
system_dlls=" advapi32 bcrypt cfgmgr32 comctl32 comdlg32 crypt32 d3d9 d3d11 dinput8 dsound dwmapi dxgi gdi32 "
system_dlls+="hid imm32 kernel32 msvcrt ole32 oleaut32 opengl32 psapi setupapi shcore shell32 shlwapi user32 "
system_dlls+="userenv uxtheme version winmm ws2_32 xinput1_4 "
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }
bad=0
for dll in $imports; do
  base=$(echo "${dll%.*}" | tr '[:upper:]' '[:lower:]')
  case "$system_dlls" in *" $base "*) continue ;; esac
  # The runtime's forwarders of the C library are part of Windows 10 and 11.
  case "$base" in api-ms-win-*) continue ;; esac
  if [ -n "$(find "$game" -maxdepth 1 -iname "$dll" -print -quit)" ]; then continue; fi
  echo "Brindlecog.exe imports $dll, which is neither part of Windows nor in the game folder"
  bad=1
done
echo "imports:" $imports
exit $bad
