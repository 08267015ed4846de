#!/usr/bin/env bash
# Fails when code above the platform layer reaches the operating system or an outside library
# directly. Usage: check_layers.sh [source root]
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2

engine_dirs=(foundation script graphics sound application objects network player plugins games)
above_foundation=(script graphics sound application objects network player plugins games)

existing() { local d; for d in "$@"; do [ -d "$d" ] && echo "$d"; done; }

headers='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]((SDL2?/)?SDL[^>"]*|curl/[^>"]*|sndfile[^>"]*|libav[a-z]*/[^>"]*|libsw[a-z]*/[^>"]*|sys/[^>"]*|netinet/[^>"]*|arpa/[^>"]*|netdb\.h|unistd\.h|dirent\.h|fcntl\.h|dlfcn\.h|pthread\.h|signal\.h|termios\.h|poll\.h|windows\.h|winsock2?\.h)[>"]'
calls='(^|[^A-Za-z0-9_.>:])(fopen|_wfopen|opendir|chdir|_chdir)[[:space:]]*\('
# Folders whose code the graphics layer must not include: everything above it.
above_graphics='^[[:space:]]*#[[:space:]]*include[[:space:]]*"(sound|application|objects|network|player|plugins)/'
# ... and what the application layer must not include.
above_application='^[[:space:]]*#[[:space:]]*include[[:space:]]*"(objects|network|player|plugins)/'

status=0
# forbid <pattern> <message> <folder>...: reports every line of the existing folders that matches.
forbid() {
  local pattern=$1 message=$2 dirs found
  shift 2
  dirs=$(existing "$@")
  [ -n "$dirs" ] || return
  found=$(grep -rnIE --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.c' "$pattern" $dirs)
  if [ -n "$found" ]; then
    echo "$message"; echo "$found"; status=1
  fi
}
forbid "$headers" "Operating-system or library headers outside platform/:" "${engine_dirs[@]}"
forbid "$calls" "File-system calls outside platform/ and foundation/:" "${above_foundation[@]}"
forbid "$above_graphics" "Upper layers included from graphics/:" graphics
forbid "$above_application" "Upper layers included from application/:" application
[ $status = 0 ] && echo "layers ok"
exit $status
