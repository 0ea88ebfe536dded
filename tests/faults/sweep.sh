#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file and port call of each zentor-cli operation (operations.sh) failed and killed in
# turn under strace, every read and write cut short under libfiu, and what the user is left with
# checked after each run (invariants.sh). Prints each violation and the figures; exits 1 on any.
#   tests/faults/sweep.sh [BUILD_DIR]    ZENTOR_FAULTS=full: ENOSPC, EIO and EACCES at every call
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/operations.sh"
source "$here/invariants.sh"
KINDS=openat,read,write,fsync,fdatasync,rename,renameat,renameat2,link,linkat,unlink,unlinkat,mkdir,mkdirat
KINDS=$KINDS,fchmod,fchmodat,fchown,fchownat,close,ioctl

run_cli() {  # output folder, then what injects: the operation's command line, run from /
  mkdir -p "$1"
  { (cd / && exec env -u ZENTOR_HISTORY XDG_DATA_HOME="$r/data" XDG_CONFIG_HOME="$r/config" HOME="$r/home" \
    timeout -s KILL 60 "${@:2}" "$cli" "${words[@]}" >"$1/stdout" 2>"$1/stderr"); } 2>/dev/null
  status=$?
}

faults_for() {  # kind of call: the faults each of its calls gets
  local errors=EACCES
  case $1 in write) errors=ENOSPC ;; read | fsync | fdatasync | close | ioctl) errors=EIO ;; esac
  [ "${ZENTOR_FAULTS:-}" = full ] && errors="ENOSPC EIO EACCES"
  echo "$errors $([[ $1 == read || $1 == write ]] && echo EINTR) KILL"
}

one() {  # operation, port|file, kind, number, class, fault, name of the call: one fault, one run
  op=$1 kind=$3 n=$4 class=$5 fault=$6 desc=$7
  local attempt runs=0 inject hit first
  for attempt in $(seq 12); do
    r=$(mktemp -d "$work/run.XXXXXX")
    prepare "$op" "$r"
    # Only the calls of the operation's files and port are hit. strace's -P keeps to the port's
    # device. A file's temporary and history names are known only once made, so its calls are
    # counted among all calls of their kind; Qt's event loop reads and writes a descriptor of
    # its own as often as the timing makes it, so the trace says which call the fault hit, and
    # a run that hit another is done again, aimed by what its trace shows.
    inject=(strace -f -qq -y -o "$r/trace" -e trace="$kind")
    [ "$2" = port ] && inject+=(-P "$device")
    case $fault in
      KILL) inject+=(-e inject="$kind:signal=KILL:when=$n") ;;
      SHORT) inject=(fiu-run -x -f '' -c 'enable name=posix/io/rw/write/reduce' -c 'enable name=posix/io/rw/read/reduce') ;;
      *) inject+=(--seccomp-bpf -e inject="$kind:error=$fault:when=$n") ;;
    esac
    run_cli "$r" "${inject[@]}"
    runs=$((runs + 1))
    [ "$radio" = radio ] && stop_radio "$r"
    # A killed run leaves its port's lock file, in the sweep's own lock folder, to a dead process.
    [ "$fault" = KILL ] && [ -n "$device" ] && rm -f "/run/lock/LCK..$(tr / _ <<<"${device#/dev/}")"
    [ "$fault" != SHORT ] && read -r hit first < <(calls hit "$r" "$device" "$desc" <"$r/trace")
    if [ "$fault" = SHORT ] || [ "$hit" = "$desc" ]; then
      check
      after_kill && runs=$((runs + 1))
      break
    fi
    n=$((first > 0 && first < n ? first : n + 1))
    rm -rf "$r"
  done
  [ "$fault" = SHORT ] || [ "$hit" = "$desc" ] || violate "the call was not reached in $attempt runs"
  rm -rf "$r"
  echo "RUNS $runs"
}

sweep() {  # build folder
  local started=$SECONDS points f
  export cli sim work fixture clean ZENTOR_FAULTS
  cli="$(realpath "${1:-build}/cli/zentor-cli")" sim="$(realpath "${1:-build}/tools/zentor-radio-sim")"
  work="$(realpath "$(mktemp -d)")" fixture=$work/fixture clean=$work/clean
  trap 'rm -rf "$work"' EXIT
  # Qt's lock files go to a lock folder of the sweep's own, never to the system's.
  mount -t tmpfs -o mode=1777 zentor-faults "$(realpath /run/lock)" || exit 1
  make_fixture "$fixture" || { echo "fault sweep: cannot make the files it starts from" >&2; exit 1; }
  for op in $(awk 'NF { print $1 }' <<<"$OPERATIONS"); do
    r=$clean/$op
    prepare "$op" "$r"
    run_cli "$r" strace -f -qq -y -o "$r/trace" -e trace="$KINDS"
    [ "$radio" = radio ] && stop_radio "$r"
    echo "$status" >"$r/status"
    echo "$device" >"$r/device"
    {
      [ "$status" = 0 ] || echo "VIOLATION $op: exit status $status without a fault: $(cat "$r/stderr")"
      for f in $outputs; do
        ! cmp -s "$r/files/$f" "$fixture/files/$f" || echo "VIOLATION $op: $f not written"
        [ ! -e "$fixture/files/$f" ] || [ "$(mode_of "$r/files/$f")" = "$(mode_of "$fixture/files/$f")" ] ||
          echo "VIOLATION $op: $f lost its mode"
      done
      calls plan "$r" "$device" <"$r/trace" >"$r/plan"
      sed -n "s/^ORDER /VIOLATION $op, without a fault: /p" "$r/plan"
    } >>"$work/results"
    grep -v '^ORDER' "$r/plan" | while read -r mode kind n class desc; do
      for fault in $(faults_for "$kind"); do echo "$op $mode $kind $n $class $fault $desc"; done
    done >>"$work/plan"
    echo "$op - - 0 - SHORT every-read-and-write" >>"$work/plan"
  done
  points=$(awk '$6 != "SHORT" { print $1, $7 }' "$work/plan" | sort -u | wc -l)
  # Most runs wait on the radio's timers rather than on a core.
  xargs -P "$(($(nproc) * 4))" -L 1 "$here/sweep.sh" --one <"$work/plan" >>"$work/results"
  grep '^VIOLATION' "$work/results"
  awk -v points="$points" -v seconds=$((SECONDS - started)) -v operations="$(awk 'NF' <<<"$OPERATIONS" | wc -l)" '
    /^RUNS/ { runs += $2; faults++ } /^VIOLATION/ { violations++ }
    END { printf "fault sweep: %d operations, %d fault points, %d faults injected in %d runs, %d violations, %d s\n",
          operations, points, faults, runs + operations, violations, seconds; exit violations > 0 }' "$work/results"
}

if [ "${1:-}" = --one ]; then
  one "${@:2}"
elif [ -z "${ZENTOR_FAULTS_LOCKS:-}" ]; then  # a mount namespace of its own, for the lock folder
  exec unshare $([ "$(id -u)" = 0 ] || echo --map-root-user) --mount --propagation private \
    env ZENTOR_FAULTS_LOCKS=1 "$here/sweep.sh" "$@"
else
  sweep "$@"
fi
