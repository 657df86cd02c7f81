#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# The rate of a free-space fill: a loop-mounted ext4 volume of SIZE_MIB MiB (default 1024) is
# made in a file on the disk the bench runs from; then wypelark-cli fills its free space with
# one pass, dd writes zeros to a file of the same size in 1 MiB writes with conv=fdatasync, and
# sfill -llz (Debian's secure-delete, where installed: one pass of zeros) wipes it. ROUNDS rounds
# (default 3) are interleaved; the medians and their ratios are printed. Needs root (the mount).
# usage: bench/free_space.sh [BUILD_DIR]
set -euo pipefail

build=${1:-build}
cli="$build/cli/wypelark-cli"
rounds=${ROUNDS:-3}
size_mib=${SIZE_MIB:-1024}
work=$(mktemp -d "${WYPELARK_BENCH_DIR:-$PWD}/free-space-XXXXXX")
mnt="$work/mnt"
cleanup() {
    mountpoint -q "$mnt" && umount "$mnt"
    rm -rf "$work"
}
trap cleanup EXIT

truncate -s "${size_mib}M" "$work/volume.img"
mkfs.ext4 -q -F "$work/volume.img"
mkdir "$mnt"
mount -o loop "$work/volume.img" "$mnt"

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { print b - a }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# Every run starts from the same empty volume, its writes of the run before on the device.
settle() { sync; echo 3 >/proc/sys/vm/drop_caches 2>/dev/null || true; }

filled=0
time_fill() {
    settle
    local start report
    start=$(now)
    report=$("$cli" --free-space "$mnt" --no-trim --report=json)
    since "$start" >>"$work/fill.t"
    filled=$(sed -n 's/^ *"bytes": \([0-9]*\).*/\1/p' <<<"$report" | head -1)
}
time_dd() {
    settle
    local start
    start=$(now)
    dd if=/dev/zero of="$mnt/zeros" bs=1M count=$((filled / 1048576)) conv=fdatasync status=none
    since "$start" >>"$work/dd.t"
    rm -f "$mnt/zeros"
}
time_sfill() {
    settle
    local start
    start=$(now)
    sfill -llz "$mnt" >/dev/null 2>&1 || true
    since "$start" >>"$work/sfill.t"
}

for _ in $(seq "$rounds"); do
    time_fill
    time_dd
    command -v sfill >/dev/null && time_sfill
done

fill_s=$(median <"$work/fill.t")
dd_s=$(median <"$work/dd.t")
# dd writes whole MiB only: its rate is taken over what it wrote.
dd_bytes=$(((filled / 1048576) * 1048576))
awk -v b="$filled" -v t="$fill_s" -v db="$dd_bytes" -v dt="$dd_s" 'BEGIN {
    fr = b / t / 1e6; dr = db / dt / 1e6
    printf "free-space fill: %.0f MB in %.2f s, %.1f MB/s\n", b / 1e6, t, fr
    printf "dd zeros, conv=fdatasync: %.0f MB in %.2f s, %.1f MB/s\n", db / 1e6, dt, dr
    printf "fill / dd rate: %.2f x\n", fr / dr
}'
if [ -s "$work/sfill.t" ]; then
    sfill_s=$(median <"$work/sfill.t")
    awk -v t="$fill_s" -v s="$sfill_s" 'BEGIN {
        printf "sfill -llz: %.2f s; sfill time / fill time: %.2f x\n", s, s / t
    }'
else
    echo "sfill -llz: not installed (apt install secure-delete)"
fi
