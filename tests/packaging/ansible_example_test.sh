#!/usr/bin/env bash
# SPDX-License-Identifier: LicenseRef-proprietary
# The Ansible example in docs/ parses, installs the package, runs the command line with a JSON
# report, keeps the report and fails on a status other than 0; and the options it gives are
# ones wypelark-cli takes: run as written over a file, it destroys it and prints JSON.
# usage: ansible_example_test.sh WYPELARK_CLI SOURCE_DIR
set -euo pipefail
cli=$1
tasks=$2/docs/ansible-wypelark.yml
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo secret > "$work/target"
python3 - "$tasks" "$cli" "$work/target" <<'CHECK'
import json, re, subprocess, sys, yaml
tasks = yaml.safe_load(open(sys.argv[1]))
assert isinstance(tasks, list) and all('name' in task for task in tasks), 'not a task list'
by_module = {next(k for k in task if k.startswith('ansible.builtin.')): task for task in tasks}
assert 'deb' in by_module['ansible.builtin.apt']['ansible.builtin.apt'], 'no package installed'
run = by_module['ansible.builtin.command']
registered = run['register']
argv = run['ansible.builtin.command']['argv']
assert 'wypelark-cli' in argv and '--report=json' in argv, argv
copy = by_module['ansible.builtin.copy']['ansible.builtin.copy']
assert registered + '.stdout' in copy['content'], 'the report is not kept'
fail = by_module['ansible.builtin.fail']
assert fail['when'].replace(' ', '') == registered + '.rc!=0', fail['when']
# The command as the example gives it, its one variable set to 1 pass.
words = [w.strip() for w in re.sub(r'[\[\]{}]', '', argv).split('+')[0].split(',')]
args = [w.strip("'") if w.startswith("'") else '1' for w in words if w]
assert args[0] == 'wypelark-cli', args
done = subprocess.run([sys.argv[2]] + args[1:] + [sys.argv[3]], capture_output=True, text=True)
assert done.returncode == 0, (args, done.stderr)
report = json.loads(done.stdout)
assert [f['outcome'] for f in report['files']] == ['destroyed'], report['files']
print('ansible_example_test: the example parses, and its command destroyed the file')
CHECK
[ ! -e "$work/target" ] || { echo "FAIL: the file is still there" >&2; exit 1; }
