#!/usr/bin/env bash
# Checks a built package: lintian finds no error in it, its desktop entry and AppStream
# metadata are valid, and the programs unpacked from it run: the runner shows the package's
# version and writes the golden report of the worked example, the desktop program shows its
# version.
#
#   tools/check-package.sh THALMURO.deb
set -euo pipefail
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 THALMURO.deb" >&2
    exit 2
fi
deb=$(realpath "$1")
cd "$(dirname "$0")/.."

lintian --fail-on error "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

version=$(dpkg-deb -f "$deb" Version)
fail() { echo "$0: $*" >&2; exit 1; }
[ "$("$root/usr/bin/thalmuro-cli" --version)" = "thalmuro-cli $version" ] ||
    fail "thalmuro-cli --version does not show $version"
[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/thalmuro" --version)" = "thalmuro $version" ] ||
    fail "thalmuro --version does not show $version"
"$root/usr/bin/thalmuro-cli" --locale el_GR tests/data/cases/worked_example_el.json \
    "$root/report.txt"
cmp tests/data/cases/worked_example_el.txt "$root/report.txt" ||
    fail "the packaged runner's report of the worked example differs from the golden one"
echo "$deb: checked"
