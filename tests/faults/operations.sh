# SPDX-License-Identifier: GPL-3.0-or-later
# The operations the sweep fails call by call: every zentor-cli command that reads or writes a
# file or the radio. In the arguments @F is the folder of the user's files, @H the history
# folder, @DEV the simulated radio. A row names the files the command writes in @F and the
# history it starts from: none (no folder yet), kept (a read and a write from another port) or
# repeat (what the radio holds, last read on this very port, so that a read renames it).
#   name          radio  history  outputs     arguments
OPERATIONS="
read          radio  none     out.img     read -p @DEV -o @F/out.img
write-backup  radio  repeat   backup.img  write -p @DEV @F/new.img --backup @F/backup.img
write-verify  radio  kept     -           write -p @DEV @F/new.img --verify
restore       radio  kept     -           write -p @DEV @H/2026-01-01T00-00-00.000-read-ttyUSB0.img
export        -      none     out.csv     export @F/new.img -o @F/out.csv
import        -      none     out.img     import @F/in.csv -o @F/out.img
import-base   -      none     out.img     import @F/in.csv -o @F/out.img --base @F/new.img
history       -      kept     -           history
history-last  -      kept     -           history --last read
"

# What every run starts from, made once with the programs themselves: the simulated radio's
# memory (sample.img), an edited copy (new.img: channel 12 emptied through CHIRP's CSV), and
# outputs that exist already with other contents, private to the user.
make_fixture() {  # folder
  local x=$1
  mkdir -p "$x/files" "$x/sim"
  start_radio "$x"
  ZENTOR_HISTORY=off "$cli" read -p "$x/sim/radio" -o "$x/sample.img" 2>/dev/null
  stop_radio "$x"
  ZENTOR_HISTORY=off "$cli" export "$x/sample.img" -o "$x/sample.csv"
  grep -v '^12,' "$x/sample.csv" >"$x/files/in.csv"
  ZENTOR_HISTORY=off "$cli" import "$x/files/in.csv" -o "$x/files/new.img" --base "$x/sample.img" 2>/dev/null
  head -c 187 /dev/zero | tr '\0' x >"$x/files/out.img"
  echo "an older export" >"$x/files/out.csv"
  chmod 600 "$x/files/out.img" "$x/files/out.csv"
  ! cmp -s "$x/sample.img" "$x/files/new.img"
}

start_radio() {  # run folder: the simulated radio on a pseudo-terminal, linked at sim/radio
  local tries=0
  "$sim" --link "$1/sim/radio" --no-pacing --save "$1/sim/saved.img" --verbose >"$1/sim/out" 2>/dev/null &
  echo $! >"$1/sim/pid"
  until [ -s "$1/sim/out" ] || [ $((tries += 1)) -gt 500 ]; do sleep 0.01; done
  device=$(head -n 1 "$1/sim/out")
}

stop_radio() { kill "$(cat "$1/sim/pid")" && wait "$(cat "$1/sim/pid")"; } 2>/dev/null

prepare() {  # operation, run folder: sets radio, outputs, device and words, the command line
  local r=$2 h="$2/data/zentor/history" history arguments word
  read -r _ radio history outputs arguments < <(grep "^$1 " <<<"$OPERATIONS")
  [ "$outputs" = - ] && outputs=""
  mkdir -p "$r/files" "$r/data" "$r/config" "$r/home" "$r/sim"
  cp -p "$fixture/files/"* "$r/files/"
  device=""
  [ "$radio" = radio ] && start_radio "$r"
  [ "$history" = none ] || mkdir -p -m 700 "$r/data/zentor" "$h"
  if [ "$history" = kept ]; then
    cp "$fixture/files/new.img" "$h/2026-01-01T00-00-00.000-read-ttyUSB0.img"
    cp "$fixture/sample.img" "$h/2026-01-01T00-00-01.000-write-ttyUSB0.img"
  fi
  [ "$history" = repeat ] && cp "$fixture/sample.img" "$h/2026-01-01T00-00-00.000-read-${device##*/}.img"
  words=()
  for word in $arguments; do
    word=${word//@F/$r/files} word=${word//@H/$h} words+=("${word//@DEV/$r/sim/radio}")
  done
}
