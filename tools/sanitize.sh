#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (ROTULANO_SANITIZE=ON) and runs the whole test suite under them, offscreen. Any
# invalid memory access, leak of ours or undefined behaviour fails the test it happens in.
#
#   tools/sanitize.sh [CTEST ARGS...]      e.g. tools/sanitize.sh -R orders
#
# BUILD is $ROTULANO_SANITIZE_BUILD_DIR, else build-sanitize; $ROTULANO_SANITIZE_JOBS
# compile jobs (default 2). Prints the time taken by the build and by the tests.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="${ROTULANO_SANITIZE_BUILD_DIR:-$here/build-sanitize}"
jobs="${ROTULANO_SANITIZE_JOBS:-2}"

# Leaks that belong to the libraries under the program and not to it: Qt keeps some
# allocations for the life of the process, fontconfig and glib cache what they load.
# Only frames of these libraries are named: a leak that passes through the program's
# own code is still reported.
write_leak_suppressions() {
    cat >"$1" <<'SUPP'
leak:libQt6Core.so
leak:libQt6Gui.so
leak:libQt6Widgets.so
leak:libQt6Svg.so
leak:libQt6SerialPort.so
leak:libfontconfig.so
leak:libglib-2.0.so
leak:libgobject-2.0.so
leak:libfreetype.so
SUPP
}

start=$(date +%s)
cmake -S "$here" -B "$build" -G Ninja -DROTULANO_SANITIZE=ON -DROTULANO_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C "$build" -j"$jobs"
built=$(date +%s)

write_leak_suppressions "$build/lsan.supp"
status=0
(
    cd "$build"
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$build/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --output-on-failure --timeout 900 -j"$jobs" "$@"
) || status=$?
done_at=$(date +%s)

echo "sanitize: build $((built - start)) s, tests $((done_at - built)) s," \
    "total $((done_at - start)) s ($(nproc) cores)"
exit $status
