#!/usr/bin/env bash
# check_binaries.sh <x86 bin folder> <x64 bin folder>
#
# What an administrator's host needs of each program: only DLLs that every
# Windows has, a console program of the right machine, the manifest that asks
# for elevation and a version resource.
set -uo pipefail

x86_dir=$1
x64_dir=$2
programs=(qorgroups qorprobe qormodule)
allowed_dlls="kernel32.dll advapi32.dll msvcrt.dll user32.dll"
failures=0

for tool in i686-w64-mingw32-objdump i686-w64-mingw32-objcopy x86_64-w64-mingw32-objdump x86_64-w64-mingw32-objcopy strings; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL: $tool is not installed (binutils-mingw-w64, binutils)"
    exit 1
  fi
done

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

objdump_for() {
  case $1 in
    x86) echo i686-w64-mingw32-objdump ;;
    x64) echo x86_64-w64-mingw32-objdump ;;
  esac
}

objcopy_for() {
  case $1 in
    x86) echo i686-w64-mingw32-objcopy ;;
    x64) echo x86_64-w64-mingw32-objcopy ;;
  esac
}

check_program() {
  local arch=$1 exe=$2 format=$3
  local objdump objcopy headers
  objdump=$(objdump_for "$arch")
  objcopy=$(objcopy_for "$arch")

  if [ ! -f "$exe" ]; then
    fail "$exe is missing: build the $arch preset first"
    return
  fi
  echo "checking $exe"

  if ! "$objdump" -f "$exe" | grep -q "file format $format\$"; then
    fail "$exe is not $format: $("$objdump" -f "$exe" | grep 'file format')"
  fi

  headers=$("$objdump" -p "$exe")
  if ! grep -Eq '^Subsystem[[:space:]]+0*3[[:space:]]+\(Windows CUI\)' <<<"$headers"; then
    fail "$exe is not a console program: $(grep '^Subsystem' <<<"$headers")"
  fi

  local dll
  while read -r dll; do
    [ -n "$dll" ] || continue
    if ! grep -qw -- "$(tr '[:upper:]' '[:lower:]' <<<"$dll")" <<<"$allowed_dlls"; then
      fail "$exe imports $dll"
    fi
  done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")

  local resources
  resources=$(mktemp)
  if ! "$objcopy" -O binary --only-section=.rsrc "$exe" "$resources" || [ ! -s "$resources" ]; then
    fail "$exe has no resources"
    rm -f "$resources"
    return
  fi
  local manifest
  manifest=$(strings -a "$resources")
  grep -q 'requestedExecutionLevel level="requireAdministrator"' <<<"$manifest" ||
    fail "$exe: the manifest does not ask for requireAdministrator"
  grep -q 'uiAccess="false"' <<<"$manifest" || fail "$exe: the manifest does not set uiAccess=\"false\""

  # Version strings are UTF-16 in the resource section.
  local version_strings
  version_strings=$(strings -a -el "$resources")
  local name
  for name in FileVersion ProductName; do
    grep -qx "$name" <<<"$version_strings" || fail "$exe: no $name in its version resource"
  done
  rm -f "$resources"
}

for program in "${programs[@]}"; do
  check_program x86 "$x86_dir/$program.exe" pei-i386
  check_program x64 "$x64_dir/$program.exe" pei-x86-64
done

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all programs pass"
