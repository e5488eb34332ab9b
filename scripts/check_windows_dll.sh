#!/usr/bin/env bash
# Checks the built vorlix.dll without a Windows machine or the host:
#   - a 32-bit (PE32, not PE32+) DLL;
#   - no exports (no export table, or one with no entries);
#   - imports only from the host executable KVW7.exe (and there only host
#     operations declared with KVAPI in host/*.h), the Windows system
#     libraries the pack may use, and the C runtime.
#
# Usage: scripts/check_windows_dll.sh BUILD_DIR   (checks BUILD_DIR/windows/vorlix.dll)
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi

build_dir=$1
dll=$build_dir/windows/vorlix.dll
def=$build_dir/windows/KVW7.def
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

fail() {
  echo "check_windows_dll: FAIL: $*" >&2
  exit 1
}

[[ -f $dll ]] || fail "$dll does not exist (is i686-w64-mingw32-g++ installed, and was the build run?)"
command -v "$objdump" >/dev/null || fail "$objdump not found"

headers=$("$objdump" -p "$dll") || fail "$objdump could not read $dll"

# ---- 32-bit DLL ---------------------------------------------------------------
grep -q 'file format pei-i386' <<<"$headers" ||
  fail "$dll is not a 32-bit x86 PE image ($(grep -m1 'file format' <<<"$headers"))"
grep -Eq '^Magic[[:space:]]+010b' <<<"$headers" || fail "$dll is not PE32 (optional header magic is not 010b)"
awk '/^Characteristics/ { inside = 1; next } inside && /^[^\t]/ { exit } inside && $1 == "DLL" { found = 1 }
     END { exit !found }' <<<"$headers" || fail "$dll is not marked as a DLL in its characteristics"

# ---- No exports -----------------------------------------------------------------
if grep -q '^There is an export table' <<<"$headers"; then
  counts=$(awk '/^Number in:/ { inside = 1; next } inside && /^Table Addresses/ { exit }
                inside { print $NF }' <<<"$headers")
  [[ -n $counts ]] || fail "could not read the export table counts of $dll"
  for n in $counts; do
    [[ $n =~ ^0+$ ]] || fail "$dll exports symbols; the pack must export nothing:
$(awk '/^\[Ordinal\/Name Pointer\] Table/ { inside = 1; next } inside && NF { print } inside && !NF { exit }' <<<"$headers")"
  done
fi

# ---- Imports ----------------------------------------------------------------------
# One line per imported name: "DLL<TAB>name" (name "#N" for an import by ordinal).
imports=$(awk '
  /^There is|^The / { dll = ""; next }
  /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9a-f]+ [0-9a-f]+ [0-9a-f]+ [0-9a-f]+ [0-9a-f]+[[:space:]]*$/ { dll = ""; next }
  /^[[:space:]]*DLL Name:/ { dll = $3; next }
  dll == "" || NF == 0 || /^[[:space:]]*vma:/ { next }
  $3 == "<none>" { print dll "\t#" $2; next }
  NF >= 3 && $2 ~ /^[0-9]+$/ { print dll "\t" $3; next }
  { print dll "\t?" $0 }
' <<<"$headers")
[[ -n $imports ]] || fail "no imports found in $dll (objdump output not understood?)"

host_ops=$(sed -n 's/.*KVAPI[[:space:]]\+\([A-Za-z_][A-Za-z0-9_]*\)[[:space:]]*(.*/\1/p' "$root"/host/*.h | sort -u)
[[ -n $host_ops ]] || fail "no host operations (KVAPI declarations) found in $root/host"

bad=""
kvw7_names=""
while IFS=$'\t' read -r from name; do
  case ${from,,} in
    kvw7.exe)
      if ! grep -qxF -- "$name" <<<"$host_ops"; then
        bad+="  $from: $name (not a host operation declared in host/)"$'\n'
      fi
      kvw7_names+="$name"$'\n'
      ;;
    kernel32.dll | user32.dll | gdi32.dll | advapi32.dll | shell32.dll) ;;
    msvcrt.dll | api-ms-win-crt-*.dll) ;;
    *) bad+="  $from: $name (library not allowed)"$'\n' ;;
  esac
done <<<"$imports"
[[ -z $bad ]] || fail "$dll has imports outside the allowed set:
$bad"

# The generated import list and the DLL must agree: every operation that the
# objects call is imported, and nothing else is.
if [[ -f $def ]]; then
  listed=$(sed -n '/^EXPORTS/,$p' "$def" | sed '1d;s/^[[:space:]]*//;/^$/d' | sort -u)
  imported=$(sort -u <<<"$kvw7_names" | sed '/^$/d')
  [[ $listed == "$imported" ]] || fail "KVW7.def and the DLL's imports from KVW7.exe differ:
$(diff <(echo "$listed") <(echo "$imported") || true)"
fi

echo "check_windows_dll: OK: $dll is a PE32 DLL with no exports;" \
  "imports: $(cut -f1 <<<"$imports" | sort -fu | tr '\n' ' ')" \
  "($(grep -c . <<<"$kvw7_names") host operations)"
