#!/usr/bin/env bash
# Configures a build folder from its preset. A folder whose cache holds another toolchain's
# tools (configured before the cross-compiler was installed, say: the host's ar and ld, and no
# release flags) would go on building with them without a word; it is configured afresh.
#   scripts/configure.sh PRESET
set -euo pipefail
cd "$(dirname "$0")/.."
preset=$1
folder=build/$preset
cache=$folder/CMakeCache.txt

# What the preset's compiler is called: a cross-compiler's target prefix, or the host's.
case $preset in
windows) prefix=i686-w64-mingw32- ;;
windows-x64) prefix=x86_64-w64-mingw32- ;;
*) prefix="" ;;
esac

cached() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }

# A toolchain file's compiler is not cached; CMake records the one it found beside the cache.
cached_compiler() {
    local compiler
    compiler=$(cached CMAKE_CXX_COMPILER)
    [ -n "$compiler" ] ||
        compiler=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' \
            "$folder"/CMakeFiles/*/CMakeCXXCompiler.cmake 2>/dev/null | head -1)
    echo "$compiler"
}

# Why the cache does not fit the preset, or nothing when it does.
mismatch() {
    local compiler ar
    compiler=$(cached_compiler)
    ar=$(cached CMAKE_AR)
    [ -x "$compiler" ] || { echo "no compiler ($compiler)"; return; }
    if [ -n "$prefix" ]; then
        case $(basename "$compiler") in "$prefix"*) ;; *) echo "compiler $compiler"; return ;; esac
        case $(basename "$ar") in "$prefix"*) ;; *) echo "archiver $ar"; return ;; esac
        [ -n "$(cached CMAKE_CXX_FLAGS_RELEASE)" ] || echo "no release flags"
    else
        case $(basename "$compiler") in *-w64-mingw32-*) echo "compiler $compiler" ;; esac
    fi
}

if [ -f "$cache" ]; then
    reason=$(mismatch)
    if [ -n "$reason" ]; then
        echo "configure: $folder was configured with another toolchain ($reason); configuring it afresh"
        cmake --preset "$preset" --fresh >/dev/null
        exit 0
    fi
fi
cmake --preset "$preset" >/dev/null
