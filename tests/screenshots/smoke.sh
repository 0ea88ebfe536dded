#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs zentor_screenshots into a scratch folder: each of the four pictures must be there, a PNG,
# and small enough for the documentation.
# Usage: smoke.sh PROGRAM
set -euo pipefail
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
"$1" "$folder"
for name in window-start window-after-read message-read-done message-write-refused; do
  file="$folder/$name.png"
  [ -f "$file" ] || { echo "$name.png missing" >&2; exit 1; }
  [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "$name.png is no PNG" >&2; exit 1; }
  size="$(stat -c %s "$file")"
  [ "$size" -lt 153600 ] || { echo "$name.png has $size bytes" >&2; exit 1; }
done
