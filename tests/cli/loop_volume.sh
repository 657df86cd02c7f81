# Sourced by the tests that need a volume of their own: mount_loop_volume SIZE [FEATURES] makes an
# ext4 image of SIZE (truncate's units) with the mkfs.ext4 features given, and mounts it at $mnt;
# $work and $image name the folder and the image, which go when the test ends. skip ends the test
# as skipped (77), fail as failed.
skip() { echo "skipped: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

mount_loop_volume() {
    [ "$(id -u)" = 0 ] || skip "needs root to mount a loop image"
    command -v mkfs.ext4 >/dev/null || skip "mkfs.ext4 is missing"
    work=$(mktemp -d)
    mnt=$work/mnt
    image=$work/volume.img
    mkdir "$mnt"
    trap 'mountpoint -q "$mnt" && umount "$mnt"; rm -rf "$work"' EXIT
    truncate -s "$1" "$image"
    # A broken image tool is a failure: skipped, it would hide both image tests in CI.
    mkfs.ext4 -q -F -O "${2:-^inline_data}" "$image" || fail "mkfs.ext4 could not make the image"
    mount -o loop "$image" "$mnt" 2>/dev/null || skip "loop mounts are not allowed here"
}
