#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# Breaks the program's promises on purpose, one at a time, in a copy of the tree, and runs the
# tests that should notice. Each mutation is printed with "caught" or "survived". The script
# fails when one survives, and when one no longer applies or no longer builds: the code it
# names has changed, and the list must follow it. Add a mutation whenever a promise is added.
#
#   tests/mutants.sh [WORK_FOLDER]
#
# The copy and its build are kept in WORK_FOLDER (a fresh temporary folder by default), so that
# a second call there builds only what changed.
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d)}
tree=$work/tree
build=$work/build
export QT_QPA_PLATFORM=offscreen

# The tracked files as they are now, uncommitted changes included; the build is kept.
mkdir -p "$tree"
git -C "$source" ls-files -z | (cd "$source" && xargs -0 cp --parents -p -t "$tree")
cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DWYPELARK_WERROR=OFF \
    -DWYPELARK_BENCH=OFF >/dev/null

survived=0
broken=0

# mutate NAME FILE OLD NEW TARGET FILTER: replaces the one OLD in FILE by NEW, builds TARGET and
# runs its tests that FILTER selects; any failure there catches the mutation.
mutate() {
    local name=$1 file=$tree/$2 old=$3 new=$4 target=$5 filter=$6
    local saved
    saved=$(mktemp)
    cp -p "$file" "$saved"
    if ! python3 - "$file" "$old" "$new" <<'EOF'; then
import sys
path, old, new = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(text.replace(old, new))
EOF
        echo "$name: no longer applies to $2 (update the list)"
        broken=$((broken + 1))
        rm -f "$saved"
        return
    fi
    if ! cmake --build "$build" --target "$target" >"$work/build.log" 2>&1; then
        echo "$name: does not build (update the list); see $work/build.log"
        broken=$((broken + 1))
    elif "$build/tests/$target" --gtest_filter="$filter" >"$work/$target.log" 2>&1; then
        echo "$name: survived ($target $filter)"
        survived=$((survived + 1))
    else
        echo "$name: caught"
    fi
    cp -p "$saved" "$file"
    touch "$file"
    rm -f "$saved"
}

mutate "each pass is flushed" engine/PosixFileOperations.cpp \
    'if (mCalls.fdatasync(mFd.get()) != 0)' \
    'if (false && mCalls.fdatasync(mFd.get()) != 0)' \
    posix_file_operations_test 'ChosenFile*:Hostile*'
mutate "a delete is made durable" engine/PosixFileOperations.cpp \
    'if (calls.fsync(readable.get()) != 0)' \
    'if (false && calls.fsync(readable.get()) != 0)' \
    posix_file_operations_test 'ChosenFile*:Hostile*'
mutate "the delete looks at what it moved aside" engine/PosixFileOperations.cpp \
    'return !lookAtNode(folder, at.c_str(), look) && listed(look);' \
    'return lookAtNode(folder, at.c_str(), look) || true;' \
    posix_file_operations_test 'Hostile*'
mutate "a file made again under the same number is another file" engine/FileIdentity.cpp \
    '(identity.stamp.kind == InodeStamp::Kind::None || look.node.stamp == identity.stamp)' \
    'true' \
    posix_file_operations_test 'Hostile*'
mutate "every pass is made before the delete" engine/WipeRun.cpp \
    'while (mPass <= mHost.passCount()) {' \
    'while (mPass <= 1) {' \
    wipe_run_test '*'
mutate "a pass not made is never reported as made" engine/WipeRun.cpp \
    'if (mPassesMade < std::max(1, mHost.passCount())) {' \
    'if (mPassesMade < 0) {' \
    wipe_run_test '*'
mutate "control characters in names are escaped" engine/WipeReport.cpp \
    'if (byte < 0x20 || byte == 0x7f)' \
    'if (byte == 0x7f)' \
    wipe_run_test 'Names/ShownNames*'
mutate "a record is written whole or not at all" control/WholeFileSave.cpp \
    'error = writeAll(fd.get(), bytes);' \
    'static_cast<void>(writeAll(fd.get(), bytes));' \
    cli_test '*RecordIsWrittenWhole*'
mutate "a record never follows a link at its name" control/WholeFileSave.cpp \
    'const std::string target = QFile::encodeName(path).toStdString();' \
    'const std::string target = QFile::encodeName(QFile::symLinkTarget(path).isEmpty() ? path : QFile::symLinkTarget(path)).toStdString();' \
    cli_test '*RecordIsWrittenWhole*'
mutate "the run destroys only what its question named" control/RunSession.cpp \
    'return mList.unheldCount();' \
    'return mList.count();' \
    control_test '*HeldFiles*'

echo "mutants: $survived survived, $broken not applied or not built"
[[ $survived == 0 && $broken == 0 ]]
