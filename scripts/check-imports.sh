#!/usr/bin/env bash
# Fails when a Windows executable imports a DLL that is not part of Windows itself, so the
# program runs from a single file.
# Usage: check-imports.sh PROGRAM.exe
set -euo pipefail
exe=${1:?program}
system_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|ws2_32|secur32|crypt32|msvcrt|shlwapi|version|winmm|imm32|uxtheme|dwmapi|bcrypt|ntdll|msimg32|usp10|gdiplus|mswsock|iphlpapi|dnsapi|userenv|rpcrt4|wininet|winhttp)\.dll$'
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
[ -n "$imports" ] || { echo "no imports found in $exe" >&2; exit 1; }
foreign=$(grep -Ev "$system_dlls" <<<"$imports" || true)
if [ -n "$foreign" ]; then
  echo "$exe imports DLLs that Windows does not ship:" >&2
  echo "$foreign" >&2
  exit 1
fi
echo "$exe imports only system DLLs: $(tr '\n' ' ' <<<"$imports")"
