#!/bin/bash
# Files of markers on a loop-mounted ext4 image, destroyed with --verify=blocks: the record must
# say that every file's blocks on the device held the fill, and the raw image, read at the device
# ranges the record names, must hold nothing else there, and no marker anywhere.
# Usage: block_check_image_test.sh WYPELARK_CLI. Skips (77) where loop mounts are not allowed.
set -u
cli=$1
. "$(dirname "$0")/loop_volume.sh"
command -v python3 >/dev/null || skip "python3 is missing"
mount_loop_volume 48M

# Sizes that end inside a block, and a file written in scattered pieces, so that it lies in
# several extents.
for n in 1 2 3; do
    yes "wypelark-marker-$n-abcdefgh" | head -c $((n * 300000 + 17)) > "$mnt/secret$n"
done
for piece in 0 9 3 7 1; do
    yes "wypelark-marker-scattered" | head -c 65536 |
        dd of="$mnt/scattered" bs=65536 seek="$piece" conv=notrunc status=none
    sync
    yes filler | head -c 200000 > "$mnt/filler$piece"
    sync
done
rm "$mnt"/filler*
sync

"$cli" --verify=blocks --passes 2 --report-file="$work/record.json" \
    "$mnt"/secret1 "$mnt"/secret2 "$mnt"/secret3 "$mnt"/scattered > "$work/out.txt" ||
    fail "the run failed: $(cat "$work/out.txt")"
umount "$mnt"

python3 - "$work/record.json" "$image" <<'CHECK' || fail "the record or the image is wrong"
import json, sys
record = json.load(open(sys.argv[1]))
image = open(sys.argv[2], 'rb').read()
files = record['files']
assert len(files) == 4, files
pieces = 0
for entry in files:
    assert entry['outcome'] == 'destroyed', entry
    blocks = entry['blocks']
    assert blocks['check'] == 'held_fill', entry
    assert sum(length for _, length in blocks['device_ranges']) == entry['size'], entry
    for offset, length in blocks['device_ranges']:
        held = image[int(offset):int(offset + length)]
        assert held == b'0' * int(length), (entry['path'], offset, length)
    pieces += len(blocks['device_ranges'])
assert pieces > 4, 'the scattered file lay in one piece: nothing tells extents apart'
assert b'wypelark-marker' not in image, 'a marker is left on the image'
print('every one of %d device ranges holds the fill on the raw image, and no marker is left'
      % pieces)
CHECK
