#!/usr/bin/env bash
# The pack is built for the real host as well as for the headless one: its
# folders may include only each other, host/ and the standard library, never
# the headless host, the CLI or a platform header (only the Windows
# bindings, host/win_api.h and frame/dll_main.cpp, name <windows.h>).
set -euo pipefail
root=${1:?usage: pack_includes.sh SOURCE_DIR}
cd "$root"
pack_folders=(frame host hatch text transform cut measure layers script)
allowed='^(frame|host|hatch|text|transform|cut|measure|layers|script)/'
status=0
for folder in "${pack_folders[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    line=${rest%%:*}
    target=$(sed -E 's/^[^"<]*["<]([^">]*)[">].*/\1/' <<<"${rest#*:}")
    if [[ ${rest#*:} == *'"'* ]]; then
      [[ $target =~ $allowed ]] && continue
      echo "$file:$line: the pack includes \"$target\"; it may include only its own folders and host/"
      status=1
    elif [[ $target == windows.h || $target == unistd.h || $target == sys/* || $target == cairo* || $target == sqlite3.h ]]; then
      if [[ $file != frame/dll_main.cpp && $file != host/win_api.h ]]; then
        echo "$file:$line: the pack includes the platform header <$target>"
        status=1
      fi
    fi
  done < <(grep -n -H -E '^[[:space:]]*#[[:space:]]*include' "$folder"/*.cpp "$folder"/*.h 2>/dev/null || true)
done
exit $status
