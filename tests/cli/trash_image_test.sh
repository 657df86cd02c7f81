#!/bin/bash
# Shredding the Trash on a loop-mounted ext4 image: what a trashed file held, what its record
# said of where it came from and what the folder-size cache named must not be left anywhere on
# the raw image. The command looks at every volume mounted: where this machine has trash cans of
# its own, the test is skipped before anything is destroyed.
# Usage: trash_image_test.sh WYPELARK_CLI. Skips (77) where loop mounts are not allowed.
set -u
cli=$1
. "$(dirname "$0")/loop_volume.sh"
mount_loop_volume 32M ^has_journal,^inline_data

home=$mnt/home
can=$home/.local/share/Trash
mkdir -p "$can/files/folder" "$can/info" "$mnt/.Trash-$(id -u)/files" "$mnt/.Trash-$(id -u)/info"
yes "wypelark-content-marker-one" | head -c 300000 > "$can/files/report.odt"
yes "wypelark-content-marker-two" | head -c 5000 > "$can/files/folder/notes.txt"
yes "wypelark-content-marker-three" | head -c 70000 > "$mnt/.Trash-$(id -u)/files/photo.jpg"
printf '[Trash Info]\nPath=/home/me/wypelark-origin-marker-one/report.odt\nDeletionDate=2026-12-09T10:00:00\n' \
    > "$can/info/report.odt.trashinfo"
printf '[Trash Info]\nPath=/home/me/wypelark-origin-marker-two\nDeletionDate=2026-12-09T10:00:00\n' \
    > "$can/info/folder.trashinfo"
printf '[Trash Info]\nPath=pictures/wypelark-origin-marker-three.jpg\nDeletionDate=2026-12-09T10:00:00\n' \
    > "$mnt/.Trash-$(id -u)/info/photo.jpg.trashinfo"
echo "5000 1765270800 wypelark-cache-marker" > "$can/directorysizes"
sync
markers='wypelark-(content|origin|cache)-marker'
[ "$(grep -a -c -E "$markers" "$image")" -gt 0 ] || fail "the markers never reached the image"

run() { HOME=$home XDG_DATA_HOME= "$cli" --trash "$@"; }
listed=$(run --dry-run 2>&1) || skip "this machine's own trash cans are not all in order: $listed"
outside=$(grep '^would destroy ' <<<"$listed" | grep -v "^would destroy $mnt/")
[ -z "$outside" ] || skip "this machine has trash cans of its own, which the test must not touch"
[ "$(grep -c '^would destroy ' <<<"$listed")" = 7 ] || fail "not everything was listed: $listed"

run --passes 2 > "$work/out" 2>&1 || fail "the command failed: $(cat "$work/out")"
left=$(cd "$mnt" && find . -mindepth 1 ! -type d | grep -v '^./lost+found')
[ -z "$left" ] || fail "files were left: $left"
[ -d "$can/files" ] && [ -d "$can/info" ] || fail "the can itself was removed"
umount "$mnt"
found=$(grep -a -o -E "$markers[a-z-]*" "$image" | sort -u)
[ -z "$found" ] || fail "left on the raw image: $found"
echo "the Trash left nothing on the image; names still in folder blocks: $(grep -a -o -E "report.odt|photo.jpg|notes.txt" "$image" | sort -u | tr "\n" " ")"
