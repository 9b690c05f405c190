#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the headless driver as WebAssembly for node, with Debian's emscripten:
# the toolkit-free layers and tools/ only (no window toolkit, no test
# programs). The result runs as
#   node build-wasm/tools/talvoren-driver.js ARGS
# with the same commands and output as the native driver.
#
# Usage: scripts/wasm.sh [BUILD_DIR]   (default build-wasm)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-wasm}

need=()
command -v emcmake >/dev/null || need+=(emscripten)
command -v node >/dev/null || need+=(nodejs)
command -v ninja >/dev/null || need+=(cmake ninja-build)
[ "${#need[@]}" -eq 0 ] || bash scripts/install-deps.sh "${need[@]}"

# Node quirks, settled here once:
# - Debian's emscripten runs its JavaScript optimizer with the node modules of
#   Debian's packages (node-acorn), which a node from elsewhere does not search.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# - NODERAWFS: the driver reads and writes the real files and working
#   directory, as the native one does (no virtual file system to mount).
# - EXIT_RUNTIME: main's return value becomes node's exit status and the
#   standard streams are flushed before node exits.
# - WASM_ASYNC_COMPILATION=0: the module is compiled synchronously, so this
#   emscripten's loader never tries node's global fetch() on a file path.
# - ALLOW_MEMORY_GROWTH: a long question file or a full records folder is
#   not bounded by the module's first 16 MiB.
link_flags="-sNODERAWFS=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=node -sWASM_ASYNC_COMPILATION=0"
link_flags+=" -sALLOW_MEMORY_GROWTH=1"

# The shared compiler cache would key em++'s objects by its wrapper script,
# not by the compiler behind it: compile without it.
export CCACHE_DISABLE=1
emcmake cmake -S . -B "$build_dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release \
  -DTALVOREN_BUILD_UI=OFF -DTALVOREN_BUILD_TESTS=OFF -DTALVOREN_WERROR=ON \
  -DCMAKE_EXE_LINKER_FLAGS="$link_flags"
cmake --build "$build_dir" -j"${TALVOREN_JOBS:-2}" --target talvoren-driver
echo "built $build_dir/tools/talvoren-driver.js"
