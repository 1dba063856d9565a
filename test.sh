#!/usr/bin/env bash
# Builds everything, checks the formatting of the sources and runs every test with CTest, without a display.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh"
(cd "$here" && git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror)
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
