#!/usr/bin/env bash
# Everything the pack keeps between steps lives in its state object, made at
# load and destroyed at unload. Mutable data at namespace or function scope is
# allowed only for what must exist before that object or never changes once
# made: the registration record, the blocks built from the command table, the
# pointer to the state itself, and the link button's address text.
set -euo pipefail
library=${1:?usage: pack_globals.sh LIBVORLIX}
allowed='^vx::\(anonymous namespace\)::(g_state|g_record|TheBlocks\(\)::blocks|AddressText\(\)::text)$'
# Constant tables of pointers sit in .data.rel.ro: read-only once loaded. The
# address sanitizer adds markers of its own for every global.
found=$(nm -C -f sysv "$library" 2>/dev/null | awk -F'|' '$3 ~ /[bBdD]/ && $7 !~ /\.data\.rel\.ro/ {print $1}' |
        sed -E 's/[[:space:]]+$//' | grep -v -E 'typeinfo|vtable|guard variable|^__odr_asan|^__asan' | sort -u)
unexpected=$(grep -v -E "$allowed" <<<"$found" || true)
if [ -n "$unexpected" ]; then
  echo "mutable data of the pack outside its state object:"
  sed 's/^/  /' <<<"$unexpected"
  exit 1
fi
echo "the pack keeps $(grep -c . <<<"$found") mutable variables, all allowed"
