# SPDX-License-Identifier: GPL-3.0-or-later
# What must hold after every run, whatever was injected, and the reading of strace's traces
# that finds an operation's calls. A call is named by its kind, what it touches (R: the run's
# folder, PORT: the radio's device, #: any number) and its ordinal among such calls, e.g.
# read:R/files/new.img@2 or ioctl:PORT:TCSBRK@1.

# `calls plan RUN DEVICE <TRACE` lists the fault points of a clean run (port or file, kind, the
# number strace's when= counts, mustfail or tolerated, name) and ORDER lines for what was put
# in place unsynced; `calls hit RUN DEVICE NAME <TRACE` names the call a run's injection hit,
# and the number NAME had before it.
calls() {
  awk -v mode="$1" -v run="$2" -v dev="$3" -v target="${4:-}" '
  function swap(s, from, to,   i) {
    while (from != "" && (i = index(s, from)) > 0) s = substr(s, 1, i - 1) to substr(s, i + length(from))
    return s
  }
  function norm(p) { p = swap(swap(p, run, "R"), dev, "PORT"); gsub(/[0-9]+/, "#", p); return p }
  $2 == "+++" && /killed by SIGKILL/ { hit = last }
  {
    call = $0; sub(/^[0-9]+ +/, "", call)
    if (call !~ /^[a-z0-9_]+\(/ || (main != "" && $1 != main)) next
    main = $1; name = call; sub(/\(.*/, "", name)
    s = call; gsub(/AT_FDCWD<[^>]*>/, "", s); path = ""
    while (match(s, /<[^>]*>|"[^"]*"/)) {  # a descriptor <as strace names it> or a "path"
      to = substr(s, RSTART + 1, RLENGTH - 2); if (path == "") path = to; s = substr(s, RSTART + RLENGTH)
    }
    onport = dev != "" && path == dev
    number = ++all[name]; if (onport) number = ++port[name]
    request = ""
    if (name == "ioctl") { request = call; sub(/^[^,]*, /, "", request); sub(/,.*/, "", request); sub(/.* /, "", request) }
    id = name ":" norm(path) (request == "" ? "" : ":" request); id = last = id "@" (++seen[id])
    if (mode == "hit") { if (call ~ /\(INJECTED\)$/) hit = id; if (id == target && !first) first = number; next }
    inrun = index(path "/", run "/files/") == 1 || index(path "/", run "/data/") == 1
    if (name == "openat" && call ~ /O_DIRECTORY/) folder[path] = 1
    if (name == "write") written[path] = 1
    if (name ~ /^f(data)?sync$/) { synced[path] = 1; delete pending[path] }
    if (inrun && name ~ /^(rename|renameat|renameat2|link|linkat)$/) {
      if (written[path] && !synced[path]) print "ORDER " norm(to) " was put in place before its contents were synced"
      f = to; sub(/\/[^\/]*$/, "", f); if (index(to, run "/files/") == 1) pending[f] = norm(to)
    }
    if (onport && name == "write") for (f in pending) { print "ORDER the radio was written before the folder of " pending[f] " was synced"; delete pending[f] }
    if (!onport && !inrun || name == "ioctl" && request !~ /^TCS(ETS|BRK)/) next
    # Calls whose failure may leave the outcome as it was: the history never stops a transfer, a
    # folder sync only makes a rename survive a power cut, permission bits are checked after the
    # run, a descriptor only read has nothing to lose at its close, a setting the port refuses
    # shows at the radio. The others must fail the operation.
    if (onport) quiet = name == "close" || request ~ /^TCSETS/
    else quiet = index(path "/", run "/data/") == 1 || folder[path] || name ~ /^fch/ || name == "close" && !written[path]
    print (onport ? "port" : "file"), name, number, (quiet ? "tolerated" : "mustfail"), id
  }
  END {
    if (mode == "hit") print (hit == "" ? "none" : hit), first + 0
    else for (f in pending) print "ORDER the folder of " pending[f] " was never synced"
  }'
}

violate() { echo "VIOLATION $op, $fault at ${desc%@1}: $*"; }
errno_text() { case $1 in ENOSPC) echo "No space left on device" ;; EIO) echo "Input/output error" ;; EACCES) echo "Permission denied" ;; esac; }
normal() { sed -E "s#$2#R#g; s#${3:-@}#DEV#g; s/ *([0-9]+|\?) channels/ # channels/; s/[0-9]+/#/g" "$1" 2>/dev/null; }
same() { [ ! -e "$1" ] && [ ! -e "$2" ] || cmp -s "$1" "$2"; }
mode_of() { stat -c %a "$1" 2>/dev/null; }
events() { for f in "$1"/data/zentor/history/*; do [ -f "$f" ] && echo "$(grep -oE -- '-(read|write|verify)-' <<<"${f##*/}") $(md5sum <"$f")"; done | sort; }
leftovers() { find "$r/files" "$r/data" -name '.*' -printf '%h\n' | sort | uniq -c | sort -rn | awk 'NR == 1 { print $1 }'; }

check() {  # the run in $r that ended with $status, against the run without a fault in $c
  local c="$clean/$op" err="$r/stderr" said f most
  said=$(errno_text "$fault")
  case $fault/$class in
    EINTR/* | SHORT/*)
      [ "$status" = "$(cat "$c/status")" ] || violate "exit status $status, where the call must be retried"
      cmp -s <(normal "$err" "$r" "$device") <(normal "$c/stderr" "$c" "$(cat "$c/device")") ||
        violate "standard error differs from a run without a fault: $(head -c 300 "$err")" ;;
    KILL/*) ;;
    */mustfail) [ "$status" != 0 ] || violate "exit status 0, though the call failed" ;;
  esac
  if [ "$fault" != KILL ] && [ "$status" != 0 ]; then
    grep -q . "$err" && ! grep -qv '^zentor-cli: ' "$err" ||
      violate "exit status $status, and not every line is one of its own: $(grep -v '^zentor-cli: ' "$err" | head -n 1)"
    ! grep -q '^zentor-cli: verified' "$err" || violate "a success line, though the run failed"
    [[ -z $said || $desc != *:R/* ]] || grep -qF "$said" "$err" || violate "no line says '$said': $(head -c 300 "$err")"
  fi
  if [ "$status" = 0 ]; then  # what a run without the fault did, or a line says what is missing
    for f in $outputs; do same "$r/files/$f" "$c/files/$f" || violate "exit status 0, but $f does not hold the new contents"; done
    for f in ${outputs:+$(printf 'files/%s ' $outputs)} data/zentor/history; do
      [ "$(mode_of "$r/$f")" = "$(mode_of "$c/$f")" ] || grep -qF "${said:-@}" "$err" ||
        violate "$f is mode $(mode_of "$r/$f") instead of $(mode_of "$c/$f"), and no line says why"
    done
    [ -z "$(comm -23 <(events "$c") <(events "$r"))" ] || grep -q '^zentor-cli: history: ' "$err" ||
      violate "the history lacks what a run without a fault keeps, and no line says why"
    same "$r/sim/saved.img" "$c/sim/saved.img" || violate "exit status 0, but the radio does not hold what it would"
    cmp -s <(normal "$r/stdout" "$r") <(normal "$c/stdout" "$c") || violate "standard output differs: $(head -c 300 "$r/stdout")"
  fi
  # Every file as it was or whole and new, and nothing else in the folders but, after a kill,
  # one temporary file.
  for f in "$r/files/"* "$fixture/files/"*; do
    f=${f##*/}
    same "$r/files/$f" "$fixture/files/$f" || same "$r/files/$f" "$c/files/$f" ||
      violate "$f is neither as it was nor the new contents ($(stat -c %s "$r/files/$f" 2>&1))"
  done
  for f in "$r/data/zentor/history/"*; do
    [ -f "$f" ] && ! cmp -s "$f" "$fixture/sample.img" && ! cmp -s "$f" "$fixture/files/new.img" &&
      violate "the history holds ${f##*/}, which is no whole image of this run"
  done
  most=$(leftovers)
  [ "${most:-0}" -le "$([ "$fault" = KILL ] && echo 1 || echo 0)" ] ||
    violate "$most temporary files left in one folder: $(find "$r/files" "$r/data" -name '.*' -printf '%P ')"
  # The radio: a frame only once the backup is safe on disk, and an image read kept somewhere.
  if [ -e "$r/sim/saved.img" ]; then
    [[ " $outputs " != *" backup.img "* ]] || cmp -s "$r/files/backup.img" "$fixture/sample.img" ||
      violate "the radio got a frame, but the backup is not on disk"
    [[ $class != mustfail || $desc != *:R/files/* || $fault == KILL || $fault == EINTR ]] ||
      violate "the radio got a frame, though the backup failed"
  fi
  if [ "$fault" != KILL ] && grep -q '^zentor-cli: read 187 bytes' "$err"; then
    for f in "$r/files/"* "$r/data/zentor/history/"*; do cmp -s "$f" "$fixture/sample.img" && return 0; done
    grep -q 'not kept' "$err" || violate "the image read from the radio is neither in a file nor in the history"
  fi
  return 0
}

after_kill() {  # the next run of the operation removes what a killed one left behind
  local f
  [ "$fault" = KILL ] && [ -n "$(leftovers)" ] || return 1
  for f in $outputs; do rm -f "$r/files/$f"; [ ! -e "$fixture/files/$f" ] || cp -p "$fixture/files/$f" "$r/files/"; done
  [ "$radio" = radio ] && start_radio "$r"
  run_cli "$r/rerun"
  [ "$radio" = radio ] && stop_radio "$r"
  [ "$status" = 0 ] || violate "the next run after the kill failed: $(head -c 300 "$r/rerun/stderr")"
  [ -z "$(leftovers)" ] || violate "the next run left $(find "$r/files" "$r/data" -name '.*' -printf '%P ') in place"
}
