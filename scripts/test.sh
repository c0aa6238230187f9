#!/bin/sh
# Installs what is needed, builds, and runs every test: the unit and whole-game suite, the same
# suite under AddressSanitizer and UndefinedBehaviorSanitizer with a short soak of the sanitized
# game, the end-to-end tests of the real window under Xvfb, the browser build in headless Chromium,
# an install check, the Debian package (built, checked, installed with apt, played and removed), the
# Windows builds under Wine (unit tests, the same games as on Linux, the real window, the zip and
# the installer), and short fuzz runs.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

echo "== Format"
./scripts/check-format.sh

echo "== Build and test"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

echo "== Sanitizers"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
echo "== Soak (sanitized game, seeded random input)"
tests/soak/run-soak.sh build-asan/gloamdelve 3000 1

if [ -x tests/e2e/run-all.sh ]; then
  echo "== End to end (Xvfb)"
  tests/e2e/run-all.sh build/gloamdelve
fi

echo "== Browser (headless Chromium against the native game)"
./scripts/web.sh --no-serve
node --test tests/web/

echo "== Install"
tests/e2e/install-check.sh build

echo "== Debian package"
tests/e2e/package-check.sh build

echo "== Windows (MinGW-w64 builds, tested under Wine)"
./scripts/windows.sh
tests/windows/run-all.sh

if [ -x fuzz/run-all.sh ]; then
  echo "== Fuzzing"
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz --target fuzz_targets
  fuzz/run-all.sh build-fuzz
fi
echo "All tests passed."
