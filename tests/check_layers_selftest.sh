#!/usr/bin/env bash
# Shows that the layer check passes on the real tree and fails on copies of it that break a layer.
# Usage: check_layers_selftest.sh [source root]
set -u
root=$(cd "${1:-$(dirname "$0")/..}" && pwd)
check="$root/tests/check_layers.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

"$check" "$root" >/dev/null || fail "the real tree does not pass"

# A copy of the layered folders, with one file added: check must reject it (or accept, for an
# allowed case).
expect() {
  local want=$1 file=$2 text=$3 copy="$scratch/tree$RANDOM"
  mkdir -p "$copy"
  for dir in platform foundation script graphics sound application objects network player plugins; do
    [ -d "$root/$dir" ] && cp -r "$root/$dir" "$copy/"
  done
  mkdir -p "$copy/$(dirname "$file")"
  printf '%s\n' "$text" >"$copy/$file"
  if "$check" "$copy" >/dev/null; then got=pass; else got=fail; fi
  [ "$got" = "$want" ] || fail "$file with '$text': expected $want, got $got"
}

expect fail foundation/Bad.h '#include <SDL.h>'
expect fail foundation/Bad.cpp '#  include "SDL2/SDL_video.h"'
expect fail script/Bad.cpp '#include <dlfcn.h>'
expect fail script/Bad.cpp 'FILE* f = fopen("x", "r");'
expect pass foundation/Fine.cpp 'FILE* f = fopen("x", "r");'
expect pass platform/Fine.cpp '#include <SDL.h>'
expect fail graphics/Bad.cpp '#include "sound/CSound4.h"'
expect fail graphics/Bad.h '  #  include "application/CApplication.h"'
expect fail graphics/Bad.cpp '#include "objects/CMC_Mouse.h"'
expect pass graphics/Fine.cpp '#include "script/CMC_Object.h"'
expect pass sound/Fine.cpp '#include "graphics/CWindow.h"'
expect fail application/Bad.cpp '#include "network/CXSocket.h"'
expect fail application/Bad.h '#include "objects/CMC_Animo.h"'
expect pass network/Fine.cpp '#include "application/CMC_Application.h"'
echo "layer check self-test ok"
