#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that a finished build installs like any desktop program: makes the Debian package with
# CPack, reads its control fields and file list, unpacks it, and installs the same build into a
# scratch DESTDIR. Both trees must hold exactly the programs, the menu entry, the icons and the
# licence of the font built into the programmer, in working order, with the release documents:
# manual pages, AppStream metadata, the copyright file and the changelog. lintian and
# appstreamcli judge the package as Debian and software centres would. Nothing is installed on
# this machine. Exits non-zero at the first fault.
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
font_licence=usr/share/doc/zentor/ARPHICPL.TXT
# Everything a user's system receives, and nothing more: no tests, no test framework, no
# build helpers, no static libraries.
expected_files=("${programs[@]}" "$desktop_entry" "$font_licence")
expected_files+=(usr/share/bash-completion/completions/zentor-cli)
for size in "${icon_sizes[@]}"; do
  expected_files+=("usr/share/icons/hicolor/${size}x${size}/apps/zentor.png")
done
# Release documents: a manual page for every program, the software centres' metadata, and the
# copyright file and changelog that every Debian package carries.
metainfo=usr/share/metainfo/org.zentor_programmer.zentor.metainfo.xml
copyright_file=usr/share/doc/zentor/copyright
changelog=usr/share/doc/zentor/changelog.Debian.gz
expected_files+=("$metainfo" "$copyright_file" "$changelog")
for program in "${programs[@]}"; do
  expected_files+=("usr/share/man/man1/$(basename "$program").1.gz")
done
# What software centres show beyond what appstreamcli insists on: the Chinese name and summary
# beside the English ones, a screenshot, the age rating and the licences.
required_metainfo_parts=(
  "<name>" "<name xml:lang=\"zh-CN\">" "<summary>" "<summary xml:lang=\"zh-CN\">"
  "<screenshot type=\"default\">" "<content_rating type=\"oars-" "<metadata_license>"
  "<project_license>GPL-3.0-or-later"
)
# The programmer has no command line; every other program answers --version.
window_program=usr/bin/zentor
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
  [[ "$licence" == *"ARPHIC PUBLIC LICENSE"* && "$licence" == *"Arphic Technology Co., Ltd."* ]] ||
    fail "$label: $font_licence lacks the licence text or the font's copyright notice"
  check_release_documents "$label" "$tree"
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

check_release_documents() {
  local label="$1" tree="$2"
  local program name page description first_line
  for program in "${programs[@]}"; do
    name="$(basename "$program")"
    page="usr/share/man/man1/$name.1.gz"
    # Debian's way: the best compression, and no file name or time stamp in the header.
    description="$(file -b "$tree/$page")"
    [[ "$description" == "gzip compressed data, max compression, from Unix,"* ]] ||
      fail "$label: $page is not compressed with gzip -9n: $description"
    # Warnings of groff, such as an unknown request or a line it cannot break, fail the page.
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$tree/$page" \
      >"$scratch/page.txt" 2>"$scratch/page-warnings" || fail "$label: man cannot show $page"
    [ ! -s "$scratch/page-warnings" ] ||
      fail "$label: $page draws warnings: $(cat "$scratch/page-warnings")"
    grep -q "^NAME" "$scratch/page.txt" && grep -qE "^ *$name +- " "$scratch/page.txt" ||
      fail "$label: $page has no NAME section naming $name"
    grep -q "$name $version" "$scratch/page.txt" || fail "$label: $page is not of version $version"
    [ "$program" = "$window_program" ] && continue
    first_line="$("$tree/$program" --version | head -n 1)"
    [ "$first_line" = "$name $version" ] ||
      fail "$label: '$program --version' says '$first_line', not '$name $version'"
  done

  appstreamcli validate --no-net "$tree/$metainfo" >"$scratch/appstream.log" 2>&1 ||
    { cat "$scratch/appstream.log" >&2; fail "$label: appstreamcli rejects $metainfo"; }
  grep -qF "<launchable type=\"desktop-id\">$(basename "$desktop_entry")</launchable>" \
    "$tree/$metainfo" || fail "$label: $metainfo does not launch $desktop_entry"
  local part
  for part in "${required_metainfo_parts[@]}"; do
    grep -qF "$part" "$tree/$metainfo" || fail "$label: $metainfo has no $part"
  done
  grep -qF "<release version=\"$version\"" "$tree/$metainfo" ||
    fail "$label: $metainfo does not list the release $version"

  # The changelog's newest entry is this package, made by its maintainer.
  gzip -dc "$tree/$changelog" >"$scratch/changelog"
  [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)" = "$package_version" ] ||
    fail "$label: the newest entry of $changelog is not $package_version"
  [ "$(dpkg-parsechangelog -l "$scratch/changelog" -S Maintainer)" = "$(field Maintainer)" ] ||
    fail "$label: $changelog is signed by another maintainer than the package's"
  head -n 1 "$tree/$copyright_file" | grep -qx \
    'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "$label: $copyright_file is not in the machine-readable format"
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

field() { dpkg-deb -f "$package" "$1"; }
# The project's version and the package's own revision of it, which makes it a non-native package.
package_version="$(field Version)"
[[ "$package_version" =~ ^${version//./\\.}-[0-9]+$ ]] ||
  fail "Version is '$package_version', not $version-REVISION"
[ "$(basename "$package")" = "zentor_${package_version}_${architecture}.deb" ] ||
  fail "the package is named $(basename "$package"), not zentor_${package_version}_${architecture}.deb"
[ "$(field Package)" = zentor ] || fail "Package is '$(field Package)', not zentor"
[ "$(field Section)" = hamradio ] || fail "Section is '$(field Section)', not hamradio"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
  fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
# Domains reserved for examples cannot receive mail; a build directory configured before the
# maintainer was set may still hold such a placeholder in its cache.
[[ ! "$(field Maintainer)" =~ [@.](example|invalid|test|localhost)(\.[a-z]+)?\>$ ]] ||
  fail "Maintainer '$(field Maintainer)' is a placeholder; set ZENTOR_PACKAGE_MAINTAINER"
[ -n "$(field Homepage)" ] || fail "the package has no Homepage"
[ -n "$(field Description)" ] || fail "the package has no Description"
depends="$(field Depends)"
# Names only: version constraints and alternatives do not matter here.
tr ',|' '\n' <<<"$depends" | sed 's/(.*)//; s/^ *//; s/ *$//' | grep -v '^$' >"$scratch/depends"
for name in "${required_depends[@]}"; do
  grep -qxF "$name" "$scratch/depends" || fail "Depends lacks $name: $depends"
done

# lintian, the Debian archive's own checks, showing errors, warnings, notes (I:) and pedantic
# remarks (P:); any error fails. Every warning is fixed, or suppressed here with its reason:
# - initial-upload-closes-no-bugs: a first upload to Debian closes the bug that asked for the
#   package; this package is built by its users and is not uploaded to Debian.
# Notes shown and left standing:
# - binary-has-unneeded-section .comment: the compiler's name, about 40 bytes, which its start-up
#   file crtbegin.o brings into every program whatever the build's flags; CPack's strip keeps it.
lintian_options=(--display-info --pedantic --suppress-tags initial-upload-closes-no-bugs
                 --fail-on error)
[ "$(id -u)" -ne 0 ] || lintian_options+=(--allow-root)
if ! lintian "${lintian_options[@]}" "$package" >"$scratch/lintian.log" 2>&1; then
  cat "$scratch/lintian.log" >&2
  fail "lintian finds errors in the package"
fi
if [ -s "$scratch/lintian.log" ]; then
  awk '{ print "check-package: lintian: " $0 }' "$scratch/lintian.log"
else
  echo "check-package: lintian: nothing to report"
fi

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
