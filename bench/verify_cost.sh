#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# What proof costs: one pass over a 1 GiB file, and over 2,000 files of 64 KiB, without a
# read-back, with --verify and with --verify=blocks, on a loop-mounted ext4 volume made in a file
# on the disk the bench runs from (so that the device's own blocks can be read). ROUNDS rounds
# (default 3) are interleaved; the median times and their ratios to the run without a read-back
# are printed. Needs root (the mount, and reading the device).
# usage: bench/verify_cost.sh [BUILD_DIR]
set -euo pipefail

build=$(realpath "${1:-build}")
cli="$build/cli/wypelark-cli"
rounds=${ROUNDS:-3}
work=$(mktemp -d "${WYPELARK_BENCH_DIR:-$PWD}/verify-cost-XXXXXX")
mnt="$work/mnt"
cleanup() {
    mountpoint -q "$mnt" && umount "$mnt"
    rm -rf "$work"
}
trap cleanup EXIT

truncate -s 1600M "$work/volume.img"
mkfs.ext4 -q -F "$work/volume.img"
mkdir "$mnt"
mount -o loop "$work/volume.img" "$mnt"

now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

make_files() {
    if [ "$1" = big ]; then
        head -c 1G /dev/urandom >"$mnt/big"
    else
        mkdir -p "$mnt/small"
        head -c $((2000 * 65536)) /dev/urandom | split -b 65536 -a 4 - "$mnt/small/f"
    fi
    sync
    echo 3 >/proc/sys/vm/drop_caches 2>/dev/null || true
}

run() { # SET MODE: prints the seconds the run took
    local set=$1 mode=$2 start
    make_files "$set"
    local args=()
    [ "$mode" = verify ] && args+=(--verify)
    [ "$mode" = blocks ] && args+=(--verify=blocks)
    start=$(now)
    if [ "$set" = big ]; then
        "$cli" -q "${args[@]}" "$mnt/big"
    else
        "$cli" -q -r "${args[@]}" "$mnt/small"
    fi
    awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }'
}

for set in big small; do
    declare -A times=()
    for _ in $(seq 1 "$rounds"); do
        for mode in none verify blocks; do
            times[$mode]+="$(run "$set" "$mode") "
        done
    done
    none=$(tr ' ' '\n' <<<"${times[none]}" | grep . | median)
    for mode in none verify blocks; do
        t=$(tr ' ' '\n' <<<"${times[$mode]}" | grep . | median)
        label=$([ "$set" = big ] && echo "1 GiB file" || echo "2,000 files of 64 KiB")
        awk -v l="$label" -v m="$mode" -v t="$t" -v n="$none" \
            'BEGIN { printf "%-22s %-7s %7.2f s  %5.2f x no read-back\n", l, m, t, t / n }'
    done
    unset times
done
