#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Checks the programs in a Debian package as Debian's hardening-check does: position
# independent, read-only relocations bound at start (relro, bind-now), the stack protector and
# the fortified C library calls in use, and no symbol table left (stripped).
# usage: hardening_check.sh PACKAGE.deb
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg-deb -x "$deb" "$root"
# The helper runs as root: it is held to the same flags.
for path in usr/bin/wypelark usr/bin/wypelark-cli usr/libexec/wypelark/wypelark-helper; do
    program=$(basename "$path")
    elf="$root/$path"
    [ -x "$elf" ] || fail "no /$path"
    header=$(readelf --file-header "$elf")
    dynamic=$(readelf --dynamic "$elf")
    segments=$(readelf --program-headers "$elf")
    imports=$(readelf --dyn-syms --wide "$elf")
    grep -q 'Type:.*DYN' <<<"$header" || fail "$program is not position independent"
    grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || fail "$program is not marked PIE"
    grep -q 'GNU_RELRO' <<<"$segments" || fail "$program has no read-only relocations"
    grep -Eq 'BIND_NOW|FLAGS_1.*NOW' <<<"$dynamic" || fail "$program is not bound at start"
    grep -q '__stack_chk_fail' <<<"$imports" || fail "$program has no stack protector"
    # The fortified calls: the _chk functions, and open's own checked forms (__open_2, ...).
    grep -Eq '__[a-z_]+_chk|__open(at)?(64)?_2' <<<"$(grep -v __stack_chk_fail <<<"$imports")" ||
        fail "$program calls no fortified function"
    if readelf --section-headers "$elf" | grep -Eq '\.symtab|\.debug_info'; then
        fail "$program is not stripped"
    fi
    echo "$program: pie relro bindnow stackprotector fortify stripped"
done
