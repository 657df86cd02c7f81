#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# A first pass from a cold cache: one file of BIG_MIB MiB (default 1024) is made, put on the
# device and dropped from the page cache before each run; then wypelark-cli overwrites it with
# PASSES passes (default 1), dd writes zeros over it in the run's 50,000-byte writes, and fio
# (where installed) writes it in 1 MiB direct writes, the device's own rate, and scrub (where
# installed) overwrites it with '0's and removes it. ROUNDS rounds
# (default 3) are interleaved; the medians, their ratios and the bytes wypelark-cli read from
# the device (its read_bytes) are printed, and how far the page cache grew while wypelark-cli
# ran once more. OTHER_CLI=PATH times a second wypelark-cli beside
# the first, for comparing builds. Dropping the cache needs root; without it the figures are
# of a warm cache, and say so.
# usage: bench/first_pass.sh [BUILD_DIR] [PASSES]
set -euo pipefail

build=${1:-build}
passes=${2:-1}
cli="$build/cli/wypelark-cli"
other=${OTHER_CLI:-}
rounds=${ROUNDS:-3}
big_mib=${BIG_MIB:-1024}
bytes=$((big_mib * 1024 * 1024))
work=$(mktemp -d "${WYPELARK_BENCH_DIR:-$PWD}/first-pass-XXXXXX")
trap 'rm -rf "$work"' EXIT
file="$work/big"

cold=yes
drop() { sync; echo 3 >/proc/sys/vm/drop_caches 2>/dev/null || cold=no; }
make_file() { head -c "$bytes" /dev/urandom >"$file"; drop; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { print b - a }'; }

# The child's counters join the shell's once it has been waited for.
read_bytes_of() {
    bash -c '"$@" >/dev/null; grep ^read_bytes /proc/$$/io | cut -d" " -f2' _ "$@"
}
time_cli() {
    local start read
    # The program and its libraries are read now, so that read_bytes counts the file's pages.
    "$1" --version >/dev/null
    start=$(now)
    read=$(read_bytes_of "$1" -q --passes "$passes" "$file")
    echo "$(since "$start") $read"
}
time_dd() {
    local start
    start=$(now)
    for _ in $(seq 1 "$passes"); do
        dd if=/dev/zero of="$file" bs=50000 count="$bytes" iflag=count_bytes \
           conv=notrunc,fdatasync status=none
    done
    rm -f "$file"
    since "$start"
}
time_fio() {
    local start
    start=$(now)
    for _ in $(seq 1 "$passes"); do
        fio --name=pass --filename="$file" --rw=write --bs=1M --direct=1 --size="$bytes" \
            --fdatasync=1024 --ioengine=psync --overwrite=1 --output=/dev/null >/dev/null
    done
    rm -f "$file"
    since "$start"
}

time_scrub() {
    local start
    start=$(now)
    for _ in $(seq 1 "$passes"); do
        [ -e "$file" ] || head -c "$bytes" /dev/zero >"$file"
        scrub -S -r -p custom=0 "$file" >/dev/null 2>&1
    done
    since "$start"
}
# The most the page cache ("Cached:") grew above where it was, in MiB, while the file was shredded.
cache_growth() {
    local base peak now_kb pid
    "$cli" --version >/dev/null
    base=$(awk '/^Cached:/ { print $2 }' /proc/meminfo)
    peak=$base
    "$cli" -q --passes "$passes" "$file" &
    pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        now_kb=$(awk '/^Cached:/ { print $2 }' /proc/meminfo)
        [ "$now_kb" -gt "$peak" ] && peak=$now_kb
        sleep 0.02
    done
    wait "$pid"
    echo $(((peak - base) / 1024))
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

cli_times=() cli_reads=() other_times=() other_reads=() dd_times=() fio_times=() scrub_times=()
for _ in $(seq 1 "$rounds"); do
    make_file; read -r t r < <(time_cli "$cli"); cli_times+=("$t"); cli_reads+=("$r")
    if [ -n "$other" ]; then
        make_file; read -r t r < <(time_cli "$other"); other_times+=("$t"); other_reads+=("$r")
    fi
    make_file; dd_times+=("$(time_dd)")
    if command -v fio >/dev/null; then make_file; fio_times+=("$(time_fio)"); fi
    if command -v scrub >/dev/null; then make_file; scrub_times+=("$(time_scrub)"); fi
done
make_file
growth=$(cache_growth)

t_cli=$(printf '%s\n' "${cli_times[@]}" | median)
r_cli=$(printf '%s\n' "${cli_reads[@]}" | median)
t_dd=$(printf '%s\n' "${dd_times[@]}" | median)
echo "[first pass: ${big_mib} MiB, passes=$passes, cold cache: $cold, medians of $rounds]"
awk -v t="$t_cli" -v r="$r_cli" -v b="$((bytes * passes))" \
    'BEGIN { printf "  wypelark-cli: %.2fs, read from the device %.1f MB (%.2f %% of the bytes written)\n", t, r / 1e6, 100 * r / b }'
if [ -n "$other" ]; then
    t_other=$(printf '%s\n' "${other_times[@]}" | median)
    r_other=$(printf '%s\n' "${other_reads[@]}" | median)
    awk -v t="$t_other" -v r="$r_other" -v c="$t_cli" \
        'BEGIN { printf "  other cli:    %.2fs, read %.1f MB; other/this time ratio %.2f\n", t, r / 1e6, t / c }'
fi
awk -v d="$t_dd" -v c="$t_cli" 'BEGIN { printf "  dd bs=50000:  %.2fs; dd/cli time ratio %.2f\n", d, d / c }'
if [ ${#fio_times[@]} -gt 0 ]; then
    t_fio=$(printf '%s\n' "${fio_times[@]}" | median)
    awk -v f="$t_fio" -v c="$t_cli" \
        'BEGIN { printf "  fio 1M direct: %.2fs; cli rate against fio %.2f x\n", f, f / c }'
else
    echo "  fio: not installed"
fi
if [ ${#scrub_times[@]} -gt 0 ]; then
    t_scrub=$(printf '%s\n' "${scrub_times[@]}" | median)
    awk -v s="$t_scrub" -v c="$t_cli" \
        'BEGIN { printf "  scrub:        %.2fs; scrub/cli time ratio %.2f\n", s, s / c }'
else
    echo "  scrub: not installed"
fi
echo "  page cache growth while wypelark-cli ran: ${growth} MiB"
