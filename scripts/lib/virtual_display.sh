# shellcheck shell=bash
# Sourced by the screenshot scripts.

# on_virtual_display COMMAND [ARG...]: runs COMMAND on a virtual 1280x800
# display of its own (Xvfb) with a window manager, which gives the windows
# their frames and honours "maximized". Returns COMMAND's status; the window
# manager and the display end with it.
on_virtual_display() {
  # shellcheck disable=SC2016 # expanded by the inner shell
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    openbox >/dev/null 2>&1 &
    wm=$!
    sleep 1
    status=0
    "$@" || status=$?
    kill "$wm" 2>/dev/null || true
    wait "$wm" 2>/dev/null || true
    exit "$status"
  ' on_virtual_display "$@"
}

# run_tour BUILD_DIR TOUR OUT_DIR: builds the walk-through TOUR (its path in
# the build tree, named after its target) and the help pages, runs it on a
# virtual display over a new database in a temporary folder and the sample
# quotes, and lists the pictures it wrote to OUT_DIR. Run from the source root.
run_tour() {
  local build=$1 tour=$2 out=$3 tmp status=0
  cmake --build "$build" --target "$(basename "$tour")" brevant_help
  mkdir -p "$out"
  tmp=$(mktemp -d)
  on_virtual_display "$build/$tour" "$out" "$tmp/BREVDATA.BVD" \
    "$PWD/samples/sample-quotes.txt" "$build/app/" || status=$?
  rm -rf "$tmp"
  [ "$status" -eq 0 ] || return "$status"
  ls -1 "$out"
}
