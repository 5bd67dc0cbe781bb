# Configures and builds the Linux program and its tests in build/.
# Sourced by the scripts in scripts/.

build_linux() {
  local root=$1
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null ||
    { echo "error: cmake configure failed" >&2; return 1; }
  cmake --build "$root/build" -j"$(nproc)" -- --no-print-directory >/dev/null 2>"$root/build/build-errors.log" ||
    { cat "$root/build/build-errors.log" >&2; echo "error: build failed" >&2; return 1; }
}
