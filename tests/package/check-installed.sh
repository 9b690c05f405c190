#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package built by scripts/package.sh into THIS system with
# apt-get (which pulls in its dependencies) and checks it as installed: the
# files, the desktop entry, the AppStream data, the .ine file type, the
# answers to --help and --version, and the program started by the desktop
# entry's command, and from an empty directory, on a virtual screen, where it
# must show the first question of the default set and end on Ctrl+Q.
# The package is removed again at the end. Because it changes the system,
# it runs only in CI (CI=true) or when asked with --install-into-this-system.
set -euo pipefail
if [ "${CI:-}" != true ] && [ "${1:-}" != --install-into-this-system ]; then
  echo "check-installed.sh installs a package into this system: it runs in CI (CI=true)" \
       "or with --install-into-this-system" >&2
  exit 2
fi
cd "$(dirname "$0")/../.."
top=$PWD
export DEBIAN_FRONTEND=noninteractive
fail() { echo "check-installed.sh: FAIL: $*" >&2; exit 1; }
passed=0
pass() { passed=$((passed + 1)); echo "check-installed.sh: ok: $*"; }

debs=(build-deb/talvoren_*.deb)
[ -f "${debs[0]}" ] || fail "no package in build-deb/: run scripts/package.sh first"
deb=${debs[0]}

checks=(desktop-file-utils appstream xdg-utils libfile-mimeinfo-perl shared-mime-info
        xvfb xauth xdotool imagemagick)
missing=()
for p in "${checks[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi

echo "== the package's dependencies"
depends=$(dpkg-deb -f "$deb" Depends)
echo "$depends"
for p in fonts-urw-base35 fonts-ipafont-mincho fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6; do
  grep -q "\b$p\b" <<<"$depends" || fail "Depends lacks $p"
done
pass "Depends names the fonts, the Qt translations and the Qt libraries"

recommends=$(dpkg-deb -f "$deb" Recommends)
for p in speech-dispatcher speech-dispatcher-espeak-ng qt6-speech-speechd-plugin libqt6texttospeech6; do
  grep -q "\b$p\b" <<<"$depends, $recommends" || fail "neither Depends nor Recommends names $p"
done
pass "読み上げ: the speech service, its Japanese voice and Qt's plugin are recommended"

# What apt would install on a system that has nothing yet: the fonts and the
# translations come along through Depends alone.
echo "== apt-get install ./$deb on an empty system, simulated"
empty_status=$(mktemp)
closure=$(apt-get -s --no-install-recommends -o Dir::State::status="$empty_status" install "./$deb" 2>&1 || true)
rm -f "$empty_status"
for p in fonts-urw-base35 fonts-ipafont-mincho fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6 talvoren; do
  grep -q "^Inst $p " <<<"$closure" || fail "apt would not install $p on an empty system: $closure"
done
pass "apt-get install pulls in the fonts and translations on an empty system"

echo "== apt-get install ./$deb"
apt-get install -y --no-install-recommends "./$deb"
trap 'apt-get purge -y talvoren >/dev/null || true' EXIT

echo "== installed files"
for f in /usr/bin/talvoren /usr/libexec/talvoren/talvoren-driver /usr/libexec/talvoren/talvoren-launch \
         /usr/share/talvoren/Question.ine /usr/share/man/man1/talvoren.1.gz \
         /usr/share/man/man1/talvoren-driver.1.gz /usr/share/doc/talvoren/copyright \
         /usr/share/mime/packages/io.github.talvoren.talvoren.xml \
         /usr/share/icons/hicolor/scalable/apps/io.github.talvoren.talvoren.svg; do
  [ -e "$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=/usr/share/icons/hicolor/${size}x${size}/apps/io.github.talvoren.talvoren.png
  identify -format '%wx%h' "$icon" | grep -qx "${size}x${size}" || fail "$icon is not ${size}x${size}"
done
[ ! -e /usr/bin/talvoren-driver ] || fail "the driver is on the users' PATH"
pass "the installed files, icons at every size, the driver in libexec"

echo "== desktop entry, AppStream data, file type"
desktop=/usr/share/applications/io.github.talvoren.talvoren.desktop
desktop-file-validate "$desktop"
pass "desktop-file-validate"
appstreamcli validate --pedantic --no-net /usr/share/metainfo/io.github.talvoren.talvoren.metainfo.xml
pass "appstreamcli validate --pedantic --no-net"
scratch=$(mktemp -d)
trap 'apt-get purge -y talvoren >/dev/null || true; rm -rf "$scratch"' EXIT
printf '<<unit\r\nx+1<2\r\n>>\r\n' >"$scratch/some.ine"
filetype=$(cd "$scratch" && xdg-mime query filetype some.ine)
[ "$filetype" = text/x-talvoren-question-set ] || fail "xdg-mime says some.ine is '$filetype'"
pass "xdg-mime query filetype some.ine: $filetype"
default_app=$(xdg-mime query default text/x-talvoren-question-set || true)
echo "default application for .ine: ${default_app:-(none)}"

echo "== --help, --version and the driver, without a display"
env -u DISPLAY -u WAYLAND_DISPLAY talvoren --version | head -1 | grep -qx "talvoren [0-9.]*" ||
  fail "talvoren --version"
env -u DISPLAY -u WAYLAND_DISPLAY talvoren --help | grep -q -- "--version" || fail "talvoren --help"
pass "--help and --version answer without a display"
/usr/libexec/talvoren/talvoren-driver check /usr/share/talvoren/Question.ine | grep -q "^result: .*構文チェック成功" ||
  fail "the driver's check of the default set"
pass "the installed driver checks the default set"

# Starts COMMAND... on a fresh virtual screen in directory DIR with a home
# of its own; the program must open one window of class "talvoren" named
# "Merulan Talvoren" (no message box beside it), draw its first question,
# and end on Ctrl+Q. The screen is saved as build-deb/installed-NAME.png.
check_program_shows_first_question() {
  local name=$1 dir=$2
  shift 2
  local status=0
  HOME="$scratch/home-$name" XDG_DATA_HOME="" bash -c 'cd "$1"; shift; exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"' \
    _ "$dir" bash "$top/tests/package/screen-check.sh" "$scratch/$name.png" "$@" || status=$?
  # Kept for a look at what the installed program showed.
  cp "$scratch/$name.png" "$top/build-deb/installed-$name.png" 2>/dev/null || true
  return "$status"
}

echo "== the desktop entry's command, from an empty directory"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
read -r -a command <<<"${exec_line% %f}"
mkdir "$scratch/empty1" "$scratch/home-desktop"
check_program_shows_first_question desktop "$scratch/empty1" "${command[@]}"
[ -f "$scratch/home-desktop/.local/share/talvoren/work/Question.ine" ] ||
  fail "the launcher gave the program no working directory with a question set"
pass "the desktop entry's command shows the first question"

echo "== talvoren in an empty directory (the installed default set)"
if grep -q /usr/share/talvoren/Question.ine /usr/bin/talvoren; then
  mkdir "$scratch/empty2" "$scratch/home-plain"
  check_program_shows_first_question plain "$scratch/empty2" talvoren
  pass "talvoren in an empty directory shows the first question of the installed set"
else
  echo "check-installed.sh: skipped: this build has no fallback to the installed set"
fi

echo "installed package: $passed passed, 0 failed"
