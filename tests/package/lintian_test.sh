#!/usr/bin/env bash
# Builds the Debian package from the build tree with CPack, in a scratch folder, and has Debian's
# package checker look at it: any error or warning fails the test. Skipped (77) where lintian is
# not installed.
#   lintian_test.sh BUILD_DIR
set -euo pipefail
build=$1

if ! command -v lintian >/dev/null; then
  echo "lintian is not installed"
  exit 77
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Only the install rules of packaging/ (every file the package ships) are run, so CPack does not
# first build the whole tree with its tests.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" \
  -D "CPACK_INSTALL_CMAKE_PROJECTS=$build/packaging;NumoraCanada;ALL;/" >/dev/null
debs=("$scratch"/*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no package built" >&2; exit 1; }

# The overrides a package may ship are ignored: the package must pass as it is.
lintian --fail-on error,warning --no-override --tag-display-limit 0 "${debs[@]}"
echo "lintian accepts ${debs[*]##*/}"
