#!/bin/sh
# Fails when a C or C++ file of the tree is not in the house format (.clang-format). To fix:
#   git ls-files '*.cpp' '*.hpp' '*.c' | xargs clang-format -i
set -eu
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.hpp' '*.c' '*.h' | xargs clang-format --dry-run --Werror
echo "format: every C and C++ file is in the house format"
