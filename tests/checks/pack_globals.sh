#!/usr/bin/env bash
# Everything the pack keeps between steps lives in its state object, made at
# load and destroyed at unload. Mutable data at namespace or function scope is
# allowed only for what must exist before that object or never changes once
# made: the registration record, the command table and the blocks built from
# it, the pointer to the state itself, and the link button's address text.
set -euo pipefail
library=${1:?usage: pack_globals.sh LIBVORLIX}
allowed='^vx::(kCommands|\(anonymous namespace\)::(g_state|g_record|TheBlocks\(\)::blocks|AddressText\(\)::text))$'
found=$(nm -C "$library" | grep -E ' [bBdD] ' | grep -v -E 'typeinfo|vtable|guard variable' |
        sed -E 's/^[0-9a-f]+ [bBdD] //' | sort -u)
unexpected=$(grep -v -E "$allowed" <<<"$found" || true)
if [ -n "$unexpected" ]; then
  echo "mutable data of the pack outside its state object:"
  sed 's/^/  /' <<<"$unexpected"
  exit 1
fi
echo "the pack keeps $(grep -c . <<<"$found") mutable variables, all allowed"
