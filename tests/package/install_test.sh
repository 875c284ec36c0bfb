#!/usr/bin/env bash
# Installs the build into a scratch root under /usr, as the Debian package does, and checks that
# the installed programs start, answer --version and keep the user's files in the per-user data
# folder of a scratch HOME, never beside the program.
#   install_test.sh BUILD_DIR DRAW_FILE
set -euo pipefail
build=$1
draws=$2

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for file in bin/numora bin/numora-cli share/applications/example.veltrin.NumoraCanada.desktop \
    share/icons/hicolor/scalable/apps/example.veltrin.NumoraCanada.svg \
    share/metainfo/example.veltrin.NumoraCanada.metainfo.xml share/man/man1/numora.1.gz \
    share/man/man1/numora-cli.1.gz share/doc/numora-canada/copyright \
    share/doc/numora-canada/changelog.gz share/numora-canada/translations/numora_fr.qm; do
  [ -f "$root/usr/$file" ] || fail "not installed: $file"
done

export HOME="$root/user"
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
data="$HOME/.local/share/Veltrin/Numora Canada"
mkdir -p "$data"
cp "$draws" "$data/Vuduro.dat"

cli="$root/usr/bin/numora-cli"
[ "$("$cli" --version)" = "numora-cli ${NUMORA_VERSION}" ] || fail "--version: $("$cli" --version)"
"$cli" --help | grep -q '^usage: numora-cli' || fail "--help"

# Home is the per-user folder, and the draw file there is found: the last stored draw shows.
out=$(printf 'print Home\ncall SpeedButton5Click\nprint Datum1\n' |
  "$cli" --now "10.06.2023 12:00" script -)
expected="Home: $data/
Datum1: 10.06.2023"
[ "$out" = "$expected" ] || fail "numora-cli printed: $out"

# The window starts from the installed folder (it is still running when the timeout ends it).
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/numora" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "numora ended with status $status"

# Nothing of the user's landed beside the programs.
extra=$(ls "$root/usr/bin" | grep -v -x -e numora -e numora-cli || true)
[ -z "$extra" ] || fail "files beside the programs: $extra"
echo "installed programs start and use $data"
