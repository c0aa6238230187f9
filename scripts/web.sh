#!/bin/sh
# Builds GLOAMDELVE for the browser into build-web/ and serves it on 127.0.0.1, printing the URL.
# `--no-serve` builds only. Installs what it needs first: Debian's emscripten, chromium and
# firefox-esr (the tests' second engine, run headful under Xvfb), the native build's packages (the
# art is painted by the native makeart tool), and the pinned npm packages that drive both browsers
# in the tests. Nothing is downloaded during the build itself.
set -eu
cd "$(dirname "$0")/.."
serve=1
[ "${1:-}" = "--no-serve" ] && serve=0

./scripts/install-deps.sh
missing=""
for p in emscripten chromium firefox-esr; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
# A node and npm already on the machine (from any source) will do; otherwise Debian's.
command -v node >/dev/null && command -v npm >/dev/null || missing="$missing nodejs npm"
if [ -n "$missing" ]; then
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  echo "Installing:$missing"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
fi
[ -d node_modules/puppeteer-core ] || PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-fund --no-audit

echo "== Painting the game data (native makeart)"
cmake --preset default >/dev/null
cmake --build --preset default --target gloam_data

echo "== Building the page"
# Debian's emcc loads acorn and its other JavaScript helpers from the system's node folder.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DGLOAMDELVE_WEB_DATA="$(pwd)/build/data" >/dev/null
cmake --build build-web -j2
echo "The page is build-web/index.html ($(du -cb build-web/gloamdelve.js build-web/gloamdelve.wasm \
  build-web/gloamdelve.data build-web/index.html build-web/page.js | tail -1 | cut -f1) bytes in all)."

[ "$serve" -eq 1 ] && exec node web/serve.mjs build-web "${GLOAMDELVE_PORT:-8080}"
exit 0
