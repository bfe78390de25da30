#!/usr/bin/env bash
# The linker step of the one-definition check (make odr): the program's
# objects and our static libraries are merged into one relocatable object
# that keeps the link-time-optimisation code (-r -flinker-output=rel). gcc
# merges every type of the program as it would for a real link, so a name
# defined twice with two meanings fails here, but no machine code is made,
# which is what made the check long. System shared libraries cannot enter a
# relocatable link and hold none of our names, so they are left out.
#
#   used as CMAKE_CXX_LINKER_LAUNCHER: odr-link.sh <compiler> <link arguments...>
set -euo pipefail
# A program the build itself runs (the sound generator makes the game's
# sounds) is linked for real, so it can run.
out=""
prev=""
for a in "$@"; do
    [[ $prev == -o ]] && out=$a
    prev=$a
done
case "$(basename "$out")" in
    zaviko_soundgen) exec "$@" ;;
esac
args=()
for a in "$@"; do
    case "$a" in
        *.so | *.so.*) ;;
        -l* | -Wl,-rpath,* | -Wl,-rpath-link,* | -Wl,--as-needed | -Wl,--no-as-needed) ;;
        -shared | -pie | -rdynamic | -Wl,-soname,* | -Wl,--dependency-file=* | -Wl,--dependency-file,*) ;;
        *) args+=("$a") ;;
    esac
done
exec "${args[@]}" -r -flinker-output=rel -nostdlib
