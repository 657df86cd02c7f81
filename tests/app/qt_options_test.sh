#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# The standard Qt options reach the application, as in every Qt program, and the program's own
# parser sees only the rest: an unknown option is named alone, and --version answers.
set -uo pipefail
wypelark=$1
export QT_QPA_PLATFORM=offscreen
fail() { echo "FAIL: $*" >&2; exit 1; }

errors=$("$wypelark" -style Fusion -reverse -stylesheet /dev/null --no-such-option 2>&1 >/dev/null)
status=$?
[[ $status == 1 ]] || fail "an unknown option gave status $status"
# Named alone: Qt's options taken for the program's would be named too.
grep -q "Unknown option 'no-such-option'\.$" <<<"$errors" || fail "not named alone: $errors"

version=$("$wypelark" -style Fusion --version) || fail "--version after a Qt option failed"
grep -q "^wypelark " <<<"$version" || fail "no version printed: $version"
echo "Qt options pass through"
