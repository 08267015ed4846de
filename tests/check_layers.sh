#!/usr/bin/env bash
# Fails when code above the platform layer reaches the operating system or an outside library
# directly. Usage: check_layers.sh [source root]
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

engine_dirs=(foundation script graphics sound application objects network player plugins)
above_foundation=(script graphics sound application objects network player plugins)

existing() { local d; for d in "$@"; do [ -d "$d" ] && echo "$d"; done; }

headers='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]((SDL2?/)?SDL[^>"]*|curl/[^>"]*|sndfile[^>"]*|libav[a-z]*/[^>"]*|libsw[a-z]*/[^>"]*|sys/[^>"]*|netinet/[^>"]*|arpa/[^>"]*|netdb\.h|unistd\.h|dirent\.h|fcntl\.h|dlfcn\.h|pthread\.h|signal\.h|termios\.h|poll\.h|windows\.h|winsock2?\.h)[>"]'
calls='(^|[^A-Za-z0-9_.>:])(fopen|_wfopen|opendir|chdir|_chdir)[[:space:]]*\('
# Folders whose code the graphics layer must not include: everything above it.
above_graphics='^[[:space:]]*#[[:space:]]*include[[:space:]]*"(sound|application|objects|network|player|plugins)/'

status=0
dirs=$(existing "${engine_dirs[@]}")
if [ -n "$dirs" ]; then
  found=$(grep -rnIE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.c' "$headers" $dirs)
  if [ -n "$found" ]; then
    echo "Operating-system or library headers outside platform/:"; echo "$found"; status=1
  fi
fi
dirs=$(existing "${above_foundation[@]}")
if [ -n "$dirs" ]; then
  found=$(grep -rnIE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.c' "$calls" $dirs)
  if [ -n "$found" ]; then
    echo "File-system calls outside platform/ and foundation/:"; echo "$found"; status=1
  fi
fi
if [ -d graphics ]; then
  found=$(grep -rnIE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.c' "$above_graphics" graphics)
  if [ -n "$found" ]; then
    echo "Upper layers included from graphics/:"; echo "$found"; status=1
  fi
fi
[ $status = 0 ] && echo "layers ok"
exit $status
