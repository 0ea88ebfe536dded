#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A test program run as a user would run it, with nothing but HOME set: afterwards that home must
# be as empty as before, for the program keeps to scratch folders of its own.
# Usage: home_untouched.sh PROGRAM [GTEST_FILTER]
set -euo pipefail
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME -u XDG_STATE_HOME HOME="$home" \
  "$1" --gtest_filter="${2:-*}" >/dev/null
left="$(find "$home" -mindepth 1)"
if [ -n "$left" ]; then
  echo "the test program wrote into its home:" >&2
  echo "$left" >&2
  exit 1
fi
