#!/usr/bin/env bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# (ROTULANO_SANITIZE=ON) and runs the whole test suite under them, offscreen. Any
# invalid memory access, leak or undefined behaviour fails the test it happens in; only
# the libraries' own one-off allocations, named below, are not counted as leaks. Before
# the tests, a self-check proves that a leak under Qt's event loop is still reported.
#
#   tools/sanitize.sh [CTEST ARGS...]      e.g. tools/sanitize.sh -R orders
#
# BUILD is $ROTULANO_SANITIZE_BUILD_DIR, else build-sanitize; $ROTULANO_SANITIZE_JOBS
# compile jobs (default 2). Prints the time taken by the build and by the tests.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="${ROTULANO_SANITIZE_BUILD_DIR:-$here/build-sanitize}"
jobs="${ROTULANO_SANITIZE_JOBS:-2}"

# Leaks that belong to the libraries under the program and not to it: allocations that a
# library makes once and keeps for the life of the process. Each is named by the function
# that allocates, with a comment line saying why it is not the program's; never by a
# library: LeakSanitizer drops a leak when any frame of its stack matches, so a library's
# name (or a frame of Qt's event loop, which is under every slot, timer and event handler)
# would hide the program's own leaks with it. The list is empty: run without suppressions,
# the test programs report no leak, the libraries' one-off allocations included (Qt,
# fontconfig and glib keep theirs reachable). The self-check below proves on every run that a leak
# under the event loop is still reported.
write_leak_suppressions() {
    cat >"$1" <<'SUPP'
SUPP
}

# sanitize-selfcheck loses 4096 bytes in a timer's slot under Qt's event loop; run with
# the suppressions above, LeakSanitizer must report that leak and nothing else. It also
# fails where LeakSanitizer cannot run at all (under a debugger or strace, it stops with
# "LeakSanitizer has encountered a fatal error").
check_leaks_are_reported() {
    local report
    # Qt is built without frame pointers, so the tests' fast unwinding stops inside it;
    # the self-check unwinds its stack whole, so that a suppression naming any frame of
    # the event loop, however deep, is caught.
    report=$(LSAN_OPTIONS="$LSAN_OPTIONS:fast_unwind_on_malloc=0" \
        "$build/tools/sanitize-selfcheck/sanitize-selfcheck" 2>&1) && {
        echo "sanitize: the self-check's leak was not reported" >&2
        return 1
    }
    if ! grep -q "Direct leak of 4096 byte(s) in 1 object(s)" <<<"$report" ||
        ! grep -q "sanitize-selfcheck.cpp:" <<<"$report" ||
        ! grep -q "SUMMARY: AddressSanitizer: 4096 byte(s) leaked in 1 allocation(s)" <<<"$report"; then
        echo "sanitize: LeakSanitizer did not report the self-check's leak alone:" >&2
        echo "$report" >&2
        return 1
    fi
    echo "sanitize: self-check: the leak under the event loop is reported"
}

# The package's test makes the Debian package from this build and runs its programs: where
# ctest does not have it (it takes long, so a build may leave it out of ctest), it runs here
# after the suite, under the same sanitizers, unless the run was narrowed. Two of its cases
# are about the release build's hardening, which a sanitized build leaves out on purpose
# (no fortified functions, no stack protector, no bind-now: the sanitizers make those
# checks): the package's own check of a release build (tools/rotulano-dev) runs them.
run_package_test_if_left_out() {
    [ "$#" -eq 0 ] && [ -x "$build/tests/test_package" ] || return 0
    if (cd "$build" && ctest -N -R '^package$' 2>/dev/null | grep -q '^Total Tests: 1$'); then
        return 0
    fi
    echo "sanitize: the package test, outside ctest"
    (cd "$build/tests" &&
        ./test_package --gtest_filter=-PackageTest.ProgramsAreHardened:PackageTest.LintianPedanticFindsNothingLeft)
}

start=$(date +%s)
# Installed under /usr as the package's build is (tools/rotulano-dev): the package's test
# looks for the programs there, and the manual pages name the sample files under it.
cmake -S "$here" -B "$build" -G Ninja -DROTULANO_SANITIZE=ON -DROTULANO_BUILD_TESTS=ON -DROTULANO_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
write_leak_suppressions "$build/lsan.supp"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$build/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The self-check first: it builds in seconds, the whole program and its tests take long.
ninja -C "$build" -j"$jobs" sanitize-selfcheck
check_leaks_are_reported
ninja -C "$build" -j"$jobs"
built=$(date +%s)

status=0
(
    cd "$build"
    ctest --output-on-failure --timeout 900 -j"$jobs" "$@"
) || status=$?
run_package_test_if_left_out "$@" || status=$?
done_at=$(date +%s)

echo "sanitize: build $((built - start)) s, tests $((done_at - built)) s," \
    "total $((done_at - start)) s ($(nproc) cores)"
exit $status
