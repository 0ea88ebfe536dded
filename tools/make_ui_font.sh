#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates ui/framework/fonts/ZentorUiSubset.ttf, the dialog font embedded in the programmer:
# a subset of AR PL UMing CN (Debian's fonts-arphic-uming), a Song/Ming face with the metrics of
# SimSun at 9 points, holding only the characters the program itself shows.
# Run it after adding or changing a user-visible text with a character the font lacks; the tests
# EmbeddedFont.CoversEvery... (embedded_font_tests) fail until then. Commit the new font file.
#
# Needs fonts-arphic-uming and python3-fonttools (pyftsubset). fonttools is needed only here, to
# regenerate the font, never to build or test the program, so tools/install-deps.sh does not
# install it:  sudo apt-get install python3-fonttools
#
# The characters: printable ASCII (U+0020 to U+007E, for the Latin texts, the numbers in the edits
# and the code tables) and every non-ASCII character of a string literal in the program's sources
# (ui/, link/, validation/, codes/, app/, image/; comments and tests are not read). That takes in
# the full-width forms the texts use, such as "（", "－", "，" and the Chinese quotation marks.
# Anything else a user pastes into an edit is drawn by fontconfig's fallback fonts, as before.
#
# The glyphs, their outlines and hints, the hand-made bitmaps for 11 to 16 pixels (which draw
# the dialog's 12-pixel text as crisply as SimSun's own bitmaps), the advance widths and the
# vertical metrics (head, hhea, OS/2) are copied unchanged, so the dialog units and every text
# look exactly as with the full font. Kept: the horizontal layout features HarfBuzz applies.
# Dropped: the vertical-writing tables and features and the BDF table (X11 core fonts only),
# which Qt Widgets never uses.
#
# The subset is renamed "Zentor UI Ming CN", which keeps it apart from the installed full font in
# Qt's font database, so "AR PL UMing CN" always means the complete font, fallback included. The
# Arphic Public License asks a modified file to say how and when it was changed: the name
# table's description does.
#
# Usage: tools/make_ui_font.sh [SOURCE_FONT]
#   SOURCE_FONT: the .ttc or .ttf holding AR PL UMing CN,
#                default /usr/share/fonts/truetype/arphic/uming.ttc
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source_font="${1:-/usr/share/fonts/truetype/arphic/uming.ttc}"
output="$root/ui/framework/fonts/ZentorUiSubset.ttf"
source_dirs=(ui link validation codes app image)

fail() {
  echo "make_ui_font: $*" >&2
  exit 1
}

[ -f "$source_font" ] || fail "$source_font is missing; install fonts-arphic-uming or name the font"

# pyenv and virtual environments shadow Debian's python3, which is the one with python3-fonttools.
python=""
for candidate in "${PYTHON:-python3}" /usr/bin/python3; do
  if "$candidate" -c 'import fontTools.subset' 2>/dev/null; then
    python="$candidate"
    break
  fi
done
[ -n "$python" ] || fail "no python3 with fontTools; install python3-fonttools"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The program's characters, one file of text for pyftsubset.
cat >"$scratch/characters.py" <<'PYTHON'
import os
import sys

def string_literals(source):
    """The contents of the string literals of C++ source text, comments skipped."""
    i, n = 0, len(source)
    while i < n:
        if source.startswith("//", i):
            i = source.find("\n", i)
            i = n if i < 0 else i
        elif source.startswith("/*", i):
            i = source.find("*/", i + 2)
            i = n if i < 0 else i + 2
        elif source.startswith('R"', i) and (i == 0 or not source[i - 1].isalnum()):
            open_paren = source.index("(", i)
            closing = ")" + source[i + 2:open_paren] + '"'
            end = source.index(closing, open_paren)
            yield source[open_paren + 1:end]
            i = end + len(closing)
        elif source[i] in "\"'":
            quote, j = source[i], i + 1
            # A quote between digits is a digit separator (1'000), not a character literal.
            if quote == "'" and i > 0 and source[i - 1].isalnum():
                i += 1
                continue
            while j < n and source[j] != quote:
                j += 2 if source[j] == "\\" else 1
            if quote == '"':
                yield source[i + 1:j]
            i = j + 1
        else:
            i += 1

found = set()
root = sys.argv[1]
for directory in sys.argv[2:]:
    for folder, _, files in os.walk(os.path.join(root, directory)):
        for name in files:
            if name.endswith((".cpp", ".h")):
                with open(os.path.join(folder, name), encoding="utf-8") as file:
                    for literal in string_literals(file.read()):
                        found.update(c for c in literal if ord(c) > 0x7E)
ascii_printable = "".join(chr(c) for c in range(0x20, 0x7F))
print(ascii_printable + "".join(sorted(found)))
PYTHON
"$python" "$scratch/characters.py" "$root" "${source_dirs[@]}" >"$scratch/characters.txt"

characters="$(cat "$scratch/characters.txt")"
echo "make_ui_font: ${#characters} characters: ${characters:95}"

# The index of the CN face in the collection; the other faces are the same design with the forms
# of Hong Kong and Taiwan.
face="$("$python" - "$source_font" <<'PYTHON'
import sys
from fontTools.ttLib import TTCollection, TTFont
path = sys.argv[1]
faces = TTCollection(path, lazy=True).fonts if path.endswith(".ttc") else [TTFont(path, lazy=True)]
for index, font in enumerate(faces):
    if font["name"].getDebugName(1) == "AR PL UMing CN":
        print(index)
        break
PYTHON
)"
[ -n "$face" ] || fail "$source_font holds no AR PL UMing CN"

vertical_features=vert,vrt2,vkrn,vpal,valt,vhal,vchw
"$python" -m fontTools.subset "$source_font" \
  --font-number="$face" \
  --text-file="$scratch/characters.txt" \
  --layout-features-="$vertical_features" \
  --drop-tables+=vhea,vmtx,VORG,'BDF ',FFTM \
  --drop-tables-=EBDT,EBLC \
  --hinting \
  --name-IDs='*' \
  --no-recalc-timestamp \
  --output-file="$scratch/subset.ttf"

# New family names; the copyright, trademark and licence entries stay as they are.
"$python" - "$scratch/subset.ttf" "$output" <<'PYTHON'
import sys
from fontTools.ttLib import TTFont
FAMILY, POSTSCRIPT = "Zentor UI Ming CN", "ZentorUiMingCN-Light"
font = TTFont(sys.argv[1], recalcTimestamp=False, recalcBBoxes=False)
version = font["name"].getDebugName(5)
names = {
    1: FAMILY,
    3: f"{POSTSCRIPT};subset of AR PL UMing CN",
    4: f"{FAMILY} Light",
    6: POSTSCRIPT,
    10: "The characters of the zentor programmer, cut from AR PL UMing CN "
        f"({version}) by tools/make_ui_font.sh: every other glyph, the vertical "
        "tables and the BDF table removed, the family renamed. Distributed under the "
        "Arphic Public License.",
}
for record in list(font["name"].names):
    if record.nameID in (1, 3, 4, 6, 10, 16, 17):
        font["name"].removeNames(nameID=record.nameID)
for name_id, text in names.items():
    font["name"].setName(text, name_id, 3, 1, 0x409)
font.save(sys.argv[2])
PYTHON

echo "make_ui_font: wrote $output ($(stat -c %s "$output") bytes)"
