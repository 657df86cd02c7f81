#!/bin/bash
# A fill of a loop-mounted ext4 image's free space: files of distinct markers, deleted with
# plain rm, must leave no marker on the raw image outside the free blocks the fill says it could
# not take (ext4 keeps up to 2 % of a volume back for itself, even from root); a fill killed with
# SIGKILL must give the space back at once and leave no file; a full volume ends a pass, not the
# run; and a fill that trims leaves the sparse image holding no more than what is on it.
# Usage: free_space_image_test.sh WYPELARK_CLI. Skips (77) where loop mounts are not allowed.
set -u
cli=$1
. "$(dirname "$0")/loop_volume.sh"
mount_loop_volume 96M ^has_journal,^inline_data

# Markers of 32 bytes each, over 40 MiB in files of several sizes.
for n in $(seq 1 40); do
    size=$(( (n % 4 + 1) * 256 * 1024 ))
    yes "wypelark-marker-$(printf %06d "$n")-abcdefgh" | head -c "$size" > "$mnt/secret$n"
done
sync
before=$(grep -a -o 'wypelark-marker-[0-9]*' "$image" | wc -l)
[ "$before" -gt 0 ] || fail "the markers never reached the image"
rm "$mnt"/secret*
sync

# A whole fill: the volume full at every pass is the end of that pass, not a failure. The trim is
# off: the markers must be gone by the overwrite alone.
"$cli" --free-space "$mnt" --passes 2 --no-trim --report=json > "$work/report.json" ||
    fail "the fill failed: $(cat "$work/report.json")"
grep -q '"complete": true' "$work/report.json" || fail "the fill is not complete"
[ -z "$(ls -A "$mnt" | grep -v '^lost+found$')" ] || fail "the fill left files: $(ls -A "$mnt")"

# Killed in the middle: the fill has no name, so its space comes back by itself.
free_at_start=$(stat -f -c %f "$mnt")
"$cli" --free-space "$mnt" --passes 20 --no-trim > /dev/null 2>&1 &
pid=$!
# Waited for with a generous limit: a slow machine only takes longer.
caught=no
for _ in $(seq 1 6000); do
    if [ "$(stat -f -c %f "$mnt")" -lt $((free_at_start / 2)) ]; then
        caught=yes
        break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        break
    fi
    sleep 0.01
done
kill -9 "$pid"
[ "$caught" = yes ] || fail "the fill was never seen holding half the free space"
wait "$pid" 2>/dev/null
# The process is gone, and its descriptors with it: the space comes back without a sync.
free_after=0
for waited in $(seq 1 3000); do
    free_after=$(stat -f -c %f "$mnt")
    [ "$free_after" = "$free_at_start" ] && break
    sleep 0.01
done
[ "$free_after" = "$free_at_start" ] ||
    fail "30 s after the kill $free_after blocks are free, $free_at_start before the fill"
[ -z "$(ls -A "$mnt" | grep -v '^lost+found$')" ] || fail "the killed fill left files"

# The fill's report on a volume too full for it: the old report stays whole, the failure is
# named, and the command fails.
small=$work/small
mkdir "$small"
if mount -t tmpfs -o size=64k tmpfs "$small"; then
    echo "the old report" > "$small/report.json"
    head -c 1M /dev/zero > "$small/filler" 2>/dev/null
    if "$cli" --free-space "$mnt" --passes 1 --no-trim --report-file="$small/report.json" \
        > /dev/null 2> "$work/full.err"; then
        umount "$small"
        fail "a report that could not be written left the exit status 0"
    fi
    kept=$(cat "$small/report.json")
    names=$(ls -A "$small" | tr '\n' ' ')
    umount "$small"
    [ "$kept" = "the old report" ] || fail "the old report was changed: $kept"
    [ "$names" = "filler report.json " ] || fail "the failed save left files: $names"
    grep -q "could not be written" "$work/full.err" || fail "not named: $(cat "$work/full.err")"
fi

umount "$mnt"
left=$(grep -a -o 'wypelark-marker-[0-9]*' "$image" | wc -l)
untouched=$(sed -n 's/.*"untouched_bytes": \([0-9]*\).*/\1/p' "$work/report.json")
echo "markers on the raw image: $before after writing, $left after the fill;" \
     "the fill named $untouched bytes of free space it could not take"
[ $((left * 32)) -le "$untouched" ] ||
    fail "$left markers of 32 bytes are still on the image, more than the untouched space holds"
echo "free blocks before and after the kill: $free_at_start, $free_after (back within $((waited * 10)) ms)"

# The loop device takes discards by punching holes in the image: after a fill that trims, the
# image holds about what the file system itself takes, not the whole volume the fill wrote.
mount -o loop "$image" "$mnt" || fail "the image could not be mounted again"
"$cli" --free-space "$mnt" --report=json > "$work/trim.json" || fail "the trimming fill failed"
umount "$mnt"
grep -q '"trimmed_bytes": [1-9]' "$work/trim.json" || fail "no trim was reported: $(cat "$work/trim.json")"
allocated=$(du -k "$image" | cut -f1)
echo "after the trimming fill the 96 MiB image holds $allocated KiB"
[ "$allocated" -lt $((24 * 1024)) ] || fail "the trim gave nothing back: $allocated KiB allocated"
