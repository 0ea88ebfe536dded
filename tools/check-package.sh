#!/usr/bin/env bash
# Checks that a finished build installs like any desktop program: makes the Debian package with
# CPack, reads its control fields and file list, unpacks it, and installs the same build into a
# scratch DESTDIR. Both trees must hold exactly the programs, the menu entry, the icons and the
# licence of the font built into the programmer, in working order. Nothing is installed on this
# machine. Exits non-zero at the first fault.
# Usage: tools/check-package.sh [BUILD_DIRECTORY]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"

fail() {
  echo "check-package: $*" >&2
  exit 1
}

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

icon_sizes=(16 32 48 64 128 256)
programs=(usr/bin/zentor usr/bin/zentor-radio-sim usr/bin/zentor-cli)
desktop_entry=usr/share/applications/zentor.desktop
font_licence=usr/share/doc/zentor/LICENSE-OFL.txt
# Everything a user's system receives, and nothing more: no tests, no test framework, no
# build helpers, no static libraries.
expected_files=("${programs[@]}" "$desktop_entry" "$font_licence")
for size in "${icon_sizes[@]}"; do
  expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/zentor.png")
done
# The Qt libraries the binaries link, the platform plugin that shows a window, the full
# Chinese font for what the embedded subset lacks (pasted text, message boxes, the system menu),
# and Qt's Chinese translation of its own texts.
required_depends=(
  libqt6widgets6 libqt6gui6 libqt6core6 libqt6serialport6 qt6-qpa-plugins fonts-noto-cjk
  qt6-translations-l10n
)
# Keys of the menu entry beyond what desktop-file-validate insists on: the Chinese name and
# comment are what most of the program's users read.
required_entry_lines=(
  "Type=Application" "Terminal=false" "Exec=zentor" "Icon=zentor"
  "Name=*" "Name\[zh_CN\]=*" "GenericName=*" "Comment=*" "Comment\[zh_CN\]=*"
  "Categories=*HamRadio;*"
)

# The same file list for the package and the staged install, so the two cannot drift apart.
check_file_list() {
  local label="$1" actual="$2"
  printf '%s\n' "${expected_files[@]}" | sort >"$scratch/expected-files"
  if ! diff -u "$scratch/expected-files" <(sort "$actual") >"$scratch/diff"; then
    cat "$scratch/diff" >&2
    fail "$label: the installed files differ from the expected ones (- expected, + found)"
  fi
}

check_tree() {
  local label="$1" tree="$2"
  local program description size icon entry line pattern entry_lines
  # Outputs are taken whole before they are searched: `grep -q` leaving a pipe early would
  # turn a found line into a failed pipeline under pipefail.
  for program in "${programs[@]}"; do
    [ -x "$tree/$program" ] || fail "$label: $program is missing or not executable"
    description="$(file -b "$tree/$program")"
    [[ "$description" == ELF*executable* ]] || fail "$label: $program is $description"
    if grep -qE '\((RPATH|RUNPATH)\)' <<<"$(readelf -d "$tree/$program")"; then
      fail "$label: $program still searches a build directory for its libraries"
    fi
  done
  # The command line runs without a display, so the installed one can show that it starts.
  [ "$("$tree/usr/bin/zentor-cli" --version)" = "zentor-cli $version" ] ||
    fail "$label: usr/bin/zentor-cli --version does not say zentor-cli $version"
  for size in "${icon_sizes[@]}"; do
    icon="usr/share/icons/hicolor/${size}x${size}/apps/zentor.png"
    description="$(file -b "$tree/$icon")"
    [[ "$description" == "PNG image data, $size x $size,"* ]] ||
      fail "$label: $icon is not a $size×$size PNG but $description"
  done
  # The font's licence requires its copyright notice and the licence text with every copy.
  local licence
  [ -f "$tree/$font_licence" ] || fail "$label: $font_licence is missing"
  licence="$(cat "$tree/$font_licence")"
  [[ "$licence" == *"SIL OPEN FONT LICENSE Version 1.1"* && "$licence" == *"2014-2021 Adobe"* ]] ||
    fail "$label: $font_licence lacks the licence text or the font's copyright notice"
  entry="$tree/$desktop_entry"
  desktop-file-validate --no-hints "$entry" ||
    fail "$label: desktop-file-validate rejects $desktop_entry"
  mapfile -t entry_lines <"$entry"
  for pattern in "${required_entry_lines[@]}"; do
    local found=0
    for line in "${entry_lines[@]}"; do
      # shellcheck disable=SC2053  # the right-hand side is a pattern on purpose
      if [[ "$line" == $pattern ]]; then
        found=1
        break
      fi
    done
    [ "$found" -eq 1 ] || fail "$label: $desktop_entry has no line matching '$pattern'"
  done
}

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || fail "$build is not a configured build directory"
architecture="$(dpkg --print-architecture)"

# The package, made in the build directory as a user would make it.
if ! (cd "$build" && cpack -G DEB) >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  fail "cpack -G DEB failed"
fi
package="$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$scratch/cpack.log")"
[ -f "$package" ] || fail "cpack reported no package: $(cat "$scratch/cpack.log")"
[ "$(basename "$package")" = "zentor_${version}_${architecture}.deb" ] ||
  fail "the package is named $(basename "$package"), not zentor_${version}_${architecture}.deb"

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" = zentor ] || fail "Package is '$(field Package)', not zentor"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Section)" = hamradio ] || fail "Section is '$(field Section)', not hamradio"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
  fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ -n "$(field Description)" ] || fail "the package has no Description"
depends="$(field Depends)"
# Names only: version constraints and alternatives do not matter here.
tr ',|' '\n' <<<"$depends" | sed 's/(.*)//; s/^ *//; s/ *$//' | grep -v '^$' >"$scratch/depends"
for name in "${required_depends[@]}"; do
  grep -qxF "$name" "$scratch/depends" || fail "Depends lacks $name: $depends"
done

dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' \
  >"$scratch/package-files"
check_file_list "the package" "$scratch/package-files"
dpkg-deb -x "$package" "$scratch/package"
check_tree "the package" "$scratch/package"

# The same build installed by hand, as `cmake --install` does for someone without dpkg.
DESTDIR="$scratch/staged" cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; fail "cmake --install into a DESTDIR failed"; }
(cd "$scratch/staged" && find . ! -type d | sed 's|^\./||') >"$scratch/staged-files"
check_file_list "the DESTDIR install" "$scratch/staged-files"
check_tree "the DESTDIR install" "$scratch/staged"

echo "check-package: $package is whole"
echo "check-package: Depends: $depends"
