#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of zentor-cli, called as bash calls it, and held to the program's own
# --help so that a command or an option added there cannot be missing from it.
# Usage: completion_test.sh ZENTOR_CLI COMPLETION_SCRIPT
set -u
cli=$(realpath "$1")  # the test works in a folder of its own
# shellcheck source=/dev/null  # the script under test, named by CTest
source "$2"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config
history=$XDG_DATA_HOME/zentor/history
kept=$history/2026-12-10T05-26-02.939Z-read-ttyUSB0.img
mkdir -p "$HOME/.local/share/zentor/history" "$history" "$scratch/work/my dir"
touch "$kept" "$scratch/work/my radio.img" "$scratch/work/notes.txt"
cd "$scratch/work" || exit 1
passed=0 failed=0

complete_words() {  # the words up to the cursor, the last one being completed; prints COMPREPLY sorted
  COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE}
  _zentor_cli
  ((${#COMPREPLY[@]})) && printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {  # WHAT EXPECTED ACTUAL (lists of lines)
  if [[ $2 == "$3" ]]; then passed=$((passed + 1)); return; fi
  failed=$((failed + 1))
  printf 'FAIL: %s\n  expected: %s\n  got:      %s\n' "$1" "${2//$'\n'/ | }" "${3//$'\n'/ | }"
}
lines() { printf '%s\n' "$@" | sort; }

expect "command" write "$(complete_words zentor-cli wr)"
expect "option" --last "$(complete_words zentor-cli history --l)"
expect "--last KIND" "$(lines read verify write)" "$(complete_words zentor-cli history --last '')"
expect "--last=KIND" write "$(complete_words zentor-cli history --last = w)"
expect "port" "$(lines COM1 COM2)" "$(complete_words zentor-cli write -p CO)"
expect "an image read: its files, folders and the history folder" \
  "$(lines 'my dir' 'my radio.img' "$history")" "$(complete_words zentor-cli write -p COM1 '')"
expect "inside the history folder" "$kept" "$(complete_words zentor-cli show "$history/")"
expect "a name with a space, whole" "my radio.img" "$(complete_words zentor-cli diff a.img 'my r')"
expect "an image written: no history" "$(lines 'my dir' 'my radio.img')" "$(complete_words zentor-cli read -o '')"
expect "no CSV here: every file" "$(lines 'my dir' 'my radio.img' notes.txt)" "$(complete_words zentor-cli import '')"
expect "FILE given: the options" "$(lines --backup --force --help --port --verify)" \
  "$(complete_words zentor-cli write x.img '')"
expect "a relative XDG_DATA_HOME is passed over" "$HOME/.local/share/zentor/history" \
  "$(cd "my dir" && XDG_DATA_HOME=data complete_words zentor-cli check '')"

# Every command and every option of the program, as its --help lists them, and no other.
commands=$("$cli" --help | sed -n '/^Commands:/,/^$/s/^  \([a-z]*\) .*/\1/p' | sort)
expect "the commands" "$commands" "$(complete_words zentor-cli '')"
for command in $commands; do
  help=$("$cli" "$command" --help)
  expect "$command: options" "$(grep -oE '^  (-[a-z], )?--[a-z-]+' <<<"$help" | grep -oE -- '--?[a-z][a-z-]*' | sort)" \
    "$(complete_words zentor-cli "$command" -)"
  while read -r option takes; do
    value=''
    _zentor_cli_value_of "$command" "$option"
    expect "$command $option ${takes:-takes no value}" "${takes:+yes}" "${value:+yes}"
  done < <(sed -nE 's/^  (-[a-z], )?(--[a-z-]+)( <[A-Z]+>)?.*/\2 \3/p' <<<"$help")
done

echo "completion: $passed passed, $failed failed"
((failed == 0))
