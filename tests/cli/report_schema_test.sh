#!/bin/bash
# The installed report schema describes the records wypelark-cli writes, of every kind: files
# destroyed and refused, a file not destroyed, a run interrupted by Ctrl+C, the device's blocks
# checked, and a volume's free space filled; each record is validated against it. The PDFs of two
# of them are read back as text.
# Usage: report_schema_test.sh WYPELARK_CLI SCHEMA. Skips (77) where loop mounts are not allowed.
set -u
cli=$1
schema=$2
. "$(dirname "$0")/loop_volume.sh"
python3 -c 'import jsonschema' 2>/dev/null || skip "python3-jsonschema is missing"
command -v pdftotext >/dev/null || skip "pdftotext (poppler-utils) is missing"
mount_loop_volume 64M
reports=$work/reports
mkdir "$reports"

echo a > "$mnt/a"
"$cli" --report=json --operator "A. Operator" --note "ticket 1" --report-pdf="$work/files.pdf" \
    "$mnt/a" "$mnt/missing" > "$reports/destroyed-and-refused.json" 2>/dev/null
[ $? = 1 ] || fail "a missing file did not make the status 1"
# The PDF, made without a display, is the window's document with the same head and rows.
pdf=$(env -u DISPLAY -u WAYLAND_DISPLAY pdftotext -layout "$work/files.pdf" -) ||
    fail "no PDF record"
for line in "Operator: A. Operator" "Note: ticket 1" "$mnt/a" "$mnt/missing"; do
    grep -qF "$line" <<<"$pdf" || fail "the PDF record does not say '$line': $pdf"
done

echo b > "$mnt/b"
chattr +i "$mnt/b" || fail "chattr +i did not take"
"$cli" --report=json "$mnt/b" > "$reports/not-destroyed.json" 2>/dev/null
chattr -i "$mnt/b"

head -c 20000000 /dev/urandom > "$mnt/big"
timeout --preserve-status -s INT 0.5 "$cli" --report=json --passes 20 "$mnt/big" > "$reports/interrupted.json" \
    2>/dev/null
[ $? = 130 ] || fail "the run was not interrupted"

echo c > "$mnt/c"
sync
"$cli" --report=json --verify=blocks "$mnt/c" > "$reports/blocks.json" 2>/dev/null ||
    fail "the block check failed"

"$cli" --report=json --report-pdf="$work/fill.pdf" --free-space "$mnt" \
    > "$reports/free-space.json" 2>/dev/null || fail "the fill failed"
grep -q "1 pass" <<<"$(pdftotext "$work/fill.pdf" -)" || fail "the fill's PDF names no pass"

# A file on the disk that holds the temporary folder: the record names its drive as the kernel
# does, where the kernel knows its serial number.
echo d > "$work/d"
"$cli" --report=json "$work/d" > "$reports/on-the-disk.json" 2>/dev/null ||
    fail "the file on the disk was not destroyed"
source=$(findmnt -no SOURCE -T "$work" 2>/dev/null)
serial=$(lsblk -ndo SERIAL "$source" 2>/dev/null | tr -d ' ')
[ -n "$serial" ] || serial=$(lsblk -ndo SERIAL "/dev/$(lsblk -ndo PKNAME "$source" 2>/dev/null)" \
    2>/dev/null | tr -d ' ')
if [ -n "$serial" ]; then
    tr -d ' ' < "$reports/on-the-disk.json" | grep -q "\"serial\":\"$serial\"" ||
        fail "the record does not give the serial number $serial of $source"
fi

python3 - "$schema" "$reports" <<'CHECK' || fail "a record does not match the schema"
import json, os, sys
import jsonschema
schema = json.load(open(sys.argv[1]))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
kinds = {}
for name in sorted(os.listdir(sys.argv[2])):
    record = json.load(open(os.path.join(sys.argv[2], name)))
    errors = sorted(validator.iter_errors(record), key=str)
    assert not errors, '%s: %s' % (name, '; '.join(e.message for e in errors))
    kinds[name] = record
outcomes = {f['outcome'] for r in kinds.values() for f in r.get('files', [])}
assert outcomes == {'destroyed', 'not_destroyed', 'refused'}, outcomes
assert kinds['destroyed-and-refused.json']['operator'] == 'A. Operator'
assert kinds['blocks.json']['files'][0]['blocks']['check'] == 'held_fill'
assert kinds['free-space.json']['free_space']['complete'] is True
print('report_schema_test: %d records of every kind match the schema' % len(kinds))
CHECK
