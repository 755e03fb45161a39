#!/usr/bin/env bash
# Installs a build into a temporary prefix and uses it as another project would: the
# installed tool runs, the same small program builds with find_package (C++20) and with
# pkg-config (C++17) and runs, and builds again with the sources through add_subdirectory. Also
# checks that a build without GoogleTest configures (tests left out) unless they are
# asked for.
# Usage: tests/consumers/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

echo "== install into $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
"$prefix/bin/tarin-translator" --version

# The Python package, when it was built, imports from the prefix with Debian's Python
# and loads the library installed beside it.
package=$(find "$prefix" -path '*/tarin_translator/py.typed' -printf '%h\n' | head -n 1)
if [ -n "$package" ]; then
    echo "== import tarin_translator"
    PYTHONPATH=$(dirname "$package") /usr/bin/python3 -c '
import sys, tarin_translator
assert tarin_translator.defaults()
loaded = [line.split()[-1] for line in open("/proc/self/maps") if "libTarinTranslator" in line]
assert loaded[0].startswith(sys.argv[1]), loaded' "$prefix"
fi

echo "== find_package(TarinTranslator CONFIG)"
cmake -S "$here" -B "$work/cmake" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$work/cmake" >/dev/null
"$work/cmake/consumer" "$work/run-cmake"

echo "== pkg-config tarin-translator"
PKG_CONFIG_PATH=$(dirname "$(find "$prefix" -name tarin-translator.pc)")
export PKG_CONFIG_PATH
g++ -std=c++17 -Wall -Wextra -Werror "$here/consumer.cpp" -o "$work/pkgconfig_consumer" \
    $(pkg-config --cflags --libs tarin-translator) \
    -Wl,-rpath,"$(pkg-config --variable=libdir tarin-translator)"
"$work/pkgconfig_consumer" "$work/run-pkgconfig"

echo "== add_subdirectory"
cmake -S "$here" -B "$work/sub" -DTARIN_SOURCE_DIR="$src" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/sub" -j2 >/dev/null
"$work/sub/consumer" "$work/run-sub"

echo "== a build without GoogleTest"
cmake -S "$src" -B "$work/plain" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON | grep "GTest not found"
if cmake -S "$src" -B "$work/required" -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
        -DTARIN_BUILD_TESTS=ON >/dev/null 2>&1; then
    echo "TARIN_BUILD_TESTS=ON configured without GoogleTest" >&2
    exit 1
fi
echo "configures without tests; TARIN_BUILD_TESTS=ON requires GoogleTest"
echo "== consumers: all checks passed"
