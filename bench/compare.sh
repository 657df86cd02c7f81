#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Times wypelark-cli against dd and GNU shred on identical files, in one run; then the cost of
# --verify on the big file.
# usage: bench/compare.sh [BUILD_DIR] [PASSES]
set -euo pipefail

build=${1:-build}
passes=${2:-1}
cli="$build/cli/wypelark-cli"
work=$(mktemp -d "${WYPELARK_BENCH_DIR:-$PWD}/wipe-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

big_mib=${BIG_MIB:-1024}
small_count=${SMALL_COUNT:-2000}

make_big() { head -c "$((big_mib * 1024 * 1024))" /dev/urandom >"$work/big"; sync; }
make_small() {
    mkdir -p "$work/small"
    head -c 65536 /dev/urandom >"$work/seed"
    for i in $(seq 1 "$small_count"); do cp "$work/seed" "$work/small/f$i"; done
    sync
}
now() { date +%s.%N; }
rate() { awk -v b="$1" -v s="$2" 'BEGIN { printf "%.1f", b / 1e6 / s }'; }

# Each tool overwrites with the given passes and deletes; dd makes one pass per run and the
# file is removed after the last one.
run_dd() {
    local start end
    start=$(now)
    for file in "$@"; do
        for _ in $(seq 1 "$passes"); do
            dd if=/dev/zero of="$file" bs=50000 count="$(stat -c %s "$file")" iflag=count_bytes \
               conv=notrunc,fdatasync status=none
        done
        rm -f "$file"
    done
    end=$(now)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}
run_shred() {
    local start end
    start=$(now)
    shred -n "$passes" -u "$@"
    end=$(now)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}
run_cli() {
    local start end
    start=$(now)
    "$cli" -q --passes "$passes" "$@"
    end=$(now)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

compare() {
    local label=$1 make=$2 bytes=$3
    shift 3
    $make; local t_engine; t_engine=$(run_cli "$@")
    $make; local t_dd; t_dd=$(run_dd "$@")
    $make; local t_shred; t_shred=$(run_shred "$@")
    echo "[$label] passes=$passes"
    echo "  wypelark-cli: ${t_engine}s $(rate "$bytes" "$t_engine") MB/s"
    echo "  dd:           ${t_dd}s $(rate "$bytes" "$t_dd") MB/s"
    echo "  shred:        ${t_shred}s $(rate "$bytes" "$t_shred") MB/s"
    awk -v e="$t_engine" -v d="$t_dd" -v s="$t_shred" \
        'BEGIN { printf "  dd/cli speed ratio: %.2f   shred/cli speed ratio: %.2f\n", d / e, s / e }'
}

compare "1 file of ${big_mib} MiB" make_big $((big_mib * 1024 * 1024 * passes)) "$work/big"
files=()
for i in $(seq 1 "$small_count"); do files+=("$work/small/f$i"); done
compare "${small_count} files of 64 KiB" make_small $((small_count * 65536 * passes)) "${files[@]}"

# --verify reads the file back once, from the device.
make_big
t_plain=$(run_cli "$work/big")
make_big
t_verify=$(run_cli --verify "$work/big")
make_big
echo 3 >/proc/sys/vm/drop_caches 2>/dev/null || true
read_start=$(now)
dd if="$work/big" of=/dev/null bs=1M iflag=direct status=none
t_read=$(awk -v a="$read_start" -v b="$(now)" 'BEGIN { print b - a }')
echo "[--verify on ${big_mib} MiB] extra ${t_verify}s - ${t_plain}s; one direct read takes ${t_read}s"
awk -v v="$t_verify" -v p="$t_plain" -v r="$t_read" \
    'BEGIN { printf "  verify cost in reads of the file: %.2f\n", (v - p) / r }'

# The first pass from a cold cache, against dd in the same write sizes and fio's direct writes.
"$(dirname "$0")/first_pass.sh" "$build" "$passes"
