#!/usr/bin/env bash
# Builds the Debian package from the build folder into a scratch folder and
# checks its name, its contents, its dependencies and lintian's verdict.
# Usage: test_deb.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd -P)
version=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
id=io.github.morvick.Morvick
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$tmp" >"$tmp/cpack.log") || { cat "$tmp/cpack.log"; fail cpack; }
debs=("$tmp"/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}
[[ $(basename "$deb") =~ ^morvick_${version//./\\.}-[0-9]+_$(dpkg --print-architecture)\.deb$ ]] ||
    fail "unexpected file name $(basename "$deb")"

{
    echo usr/games/morvick
    for f in bell.wav morvickhelp.hlp morvickhelp_en.hlp tubo.wav water.wav; do echo "usr/share/morvick/$f"; done
    for p in helpviewer sound; do echo "usr/lib/morvick/libmorvick_$p.so"; done
    echo "usr/share/applications/$id.desktop"
    for n in 16 22 24 32 48 64 128 256; do echo "usr/share/icons/hicolor/${n}x$n/apps/$id.png"; done
    echo usr/share/man/man6/morvick.6.gz
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo usr/share/doc/morvick/copyright
    echo usr/share/doc/morvick/changelog.Debian.gz
} | sort >"$tmp/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$tmp/packed"
diff -u "$tmp/expected" "$tmp/packed" || fail "packed files differ from the list above"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
twice=$(tr ',' '\n' <<<"$depends" | sed 's/(.*//; s/ //g' | sort | uniq -d)
[ -z "$twice" ] || fail "Depends names $twice more than once"
# What is loaded at run time, then what the scan of the executable must find.
for package in libqt6sql6-sqlite fonts-ipafont-gothic qt6-translations-l10n \
    'libqt6core6 (>=' 'libqt6gui6 (>=' 'libqt6widgets6 (>=' 'libqt6help6 (>=' \
    'libqt6multimedia6 (>=' 'libc6 (>='; do
    [[ ", $depends" == *", $package"* ]] || fail "Depends lacks $package"
done

entry=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$id.desktop")
grep -qxF 'Exec="/usr/games/morvick"' <<<"$entry" || fail "the menu entry does not name /usr/games/morvick"

lintian "$deb" >"$tmp/lintian" 2>&1 || true
grep -v 'running with root privileges' "$tmp/lintian" || true
! grep -q '^E:' "$tmp/lintian" || fail "lintian reports errors"
echo "$(basename "$deb"): ok"
