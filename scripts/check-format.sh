#!/usr/bin/env bash
# Fails when a C++ source differs from the project's clang-format style.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format fehlt" >&2; exit 1; }
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
