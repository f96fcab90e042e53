#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each one for SECONDS seconds, one after the
# other, then prints the executions and findings of every target.
#
#   tools/fuzz.sh SECONDS [TARGET...]     TARGET: order_file, parameter_file, ...
#
# The working corpus grows in BUILD/fuzz-corpus/TARGET (seeded from fuzz/corpus/TARGET
# and from the files in samples/ and tests/data/); the crashes, leaks and time-outs of
# the run are written to BUILD/fuzz-findings/TARGET. BUILD is $ROTULANO_FUZZ_BUILD_DIR,
# else build-fuzz.
# Exits with 1 when any target found something.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build="${ROTULANO_FUZZ_BUILD_DIR:-$here/build-fuzz}"
jobs="${ROTULANO_FUZZ_BUILD_JOBS:-2}"

usage() {
    echo "usage: tools/fuzz.sh SECONDS [TARGET...]" >&2
    exit 2
}

[ $# -ge 1 ] || usage
seconds=$1
shift
[[ "$seconds" =~ ^[0-9]+$ ]] || usage

all_targets() {
    for source in "$here"/fuzz/fuzz_*.cpp; do
        basename "$source" .cpp | sed 's/^fuzz_//'
    done
}

if [ $# -gt 0 ]; then
    targets=("$@")
else
    mapfile -t targets < <(all_targets)
fi

# Longest input per target: an order file long enough to cross the reader's 64 KiB
# buffer, a parameter file a little past its record, settings plus order line plus the
# label type byte, a print job of a few labels with its logo download.
max_len() {
    case "$1" in
        order_file) echo 70000 ;;
        parameter_file) echo 400 ;;
        ports_file) echo 4096 ;;
        label_routines) echo 447 ;;
        preview) echo 8192 ;;
        render_options) echo 512 ;;
        *) echo 65536 ;;
    esac
}

# Real inputs from samples/ join the seeds of the targets that read them.
seed_samples() {
    local target=$1 corpus=$2
    case "$target" in
        order_file) find "$here/samples" -maxdepth 1 -iname '*.txt' -size -200k \
                        -exec cp {} "$corpus/" \; 2>/dev/null || true ;;
        parameter_file) [ -f "$here/samples/CD21PRM.DAT" ] &&
                            cp "$here/samples/CD21PRM.DAT" "$corpus/" || true ;;
        preview) seed_print_jobs "$corpus" ;;
    esac
}

# The golden label files, alone and behind the logo download a job sends first.
seed_print_jobs() {
    local corpus=$1 data="$here/tests/data"
    cp "$data"/zpl/*.zpl "$data"/dpl/*.dpl "$corpus/" 2>/dev/null || true
    if [ -f "$here/samples/LOGOVRDL.GRF" ] && [ -f "$data/zpl/zpl01_tag_example.zpl" ]; then
        cat "$here/samples/LOGOVRDL.GRF" "$data/zpl/zpl01_tag_example.zpl" \
            >"$corpus/job_zpl_with_logo"
    fi
    if [ -f "$here/samples/LOGOVRDL.BMP" ] && [ -f "$data/dpl/dpl01_tag_example.dpl" ]; then
        { printf '\002qC\r\n\001D\r\n\002ICBLOGOVRDL\r\n'
          cat "$here/samples/LOGOVRDL.BMP" "$data/dpl/dpl01_tag_example.dpl"; } \
            >"$corpus/job_dpl_with_logo"
    fi
}

# clang and its libFuzzer runtime serve the fuzz targets alone, so they are installed
# here; the rest of the build needs what "tools/rotulano-dev run" installs.
install_clang() {
    dpkg -s clang libclang-rt-14-dev >/dev/null 2>&1 && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: clang libclang-rt-14-dev"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang libclang-rt-14-dev
}

build_targets() {
    CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DROTULANO_FUZZ=ON \
        -DROTULANO_BUILD_TESTS=OFF -DROTULANO_BUILD_BENCH=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    ninja -C "$build" -j"$jobs" "${targets[@]/#/fuzz_}"
}

# Fontconfig and Qt keep what they load for the life of the process: their frames alone
# are not reported as leaks; a leak that passes through the program's code still is.
write_leak_suppressions() {
    printf 'leak:%s\n' libfontconfig.so libQt6Core.so libQt6Gui.so libfreetype.so \
        libglib-2.0.so >"$1"
}

run_target() {
    local target=$1
    local corpus="$build/fuzz-corpus/$target" findings="$build/fuzz-findings/$target"
    local log="$build/fuzz-logs/$target.log"
    # Findings are this run's: those of an earlier run were reported then.
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    cp -n "$here/fuzz/corpus/$target/"* "$corpus/" 2>/dev/null || true
    seed_samples "$target" "$corpus"
    echo "== $target: $seconds s" >&2
    write_leak_suppressions "$build/fuzz-lsan.supp"
    (cd "$build" && QT_QPA_PLATFORM=offscreen \
        LSAN_OPTIONS="suppressions=$build/fuzz-lsan.supp:print_suppressions=0" \
        "$build/fuzz/fuzz_$target" \
        -max_total_time="$seconds" -max_len="$(max_len "$target")" -timeout=20 \
        -rss_limit_mb=3072 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" >"$log" 2>&1) || true
}

report_target() {
    local target=$1
    local log="$build/fuzz-logs/$target.log" findings="$build/fuzz-findings/$target"
    local runs cov count
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    count=$(find "$findings" -type f | wc -l)
    printf '%-16s executions %-10s coverage %-6s corpus %-6s findings %s\n' "$target" \
        "${runs:-?}" "${cov:-?}" "$(find "$build/fuzz-corpus/$target" -type f | wc -l)" "$count"
    if [ "$count" -gt 0 ]; then
        find "$findings" -type f -printf '    %p\n'
        grep -m3 -E 'ERROR|rotulano fuzz|runtime error' "$log" | sed 's/^/    /' || true
        return 1
    fi
}

install_clang
build_targets
for target in "${targets[@]}"; do
    run_target "$target"
done
status=0
for target in "${targets[@]}"; do
    report_target "$target" || status=1
done
exit $status
