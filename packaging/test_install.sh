#!/usr/bin/env bash
# Installs the built game under a prefix with a space and non-ASCII characters,
# then checks what lands there, that it validates, and that every copy of the
# game (installed, moved, built) finds its own files and no other.
# Usage: test_install.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd -P)
version=$2
tmp=$(cd "$(mktemp -d)" && pwd -P)
# The manifest of the user's own install is what removes it again: keep it.
manifest="$build/install_manifest.txt"
[ ! -e "$manifest" ] || cp -p "$manifest" "$tmp/manifest"
trap 'if [ -e "$tmp/manifest" ]; then mv "$tmp/manifest" "$manifest"; else rm -f "$manifest"; fi
      rm -rf "$tmp"' EXIT
prefix="$tmp/pre fix/モルビック"
id=io.github.morvick.Morvick
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
{
    echo bin/morvick
    for p in helpviewer sound; do echo "lib/morvick/libmorvick_$p.so"; done
    for f in bell.wav morvickhelp.hlp morvickhelp_en.hlp tubo.wav water.wav; do echo "share/morvick/$f"; done
    echo "share/applications/$id.desktop"
    for n in 16 22 24 32 48 64 128 256; do echo "share/icons/hicolor/${n}x$n/apps/$id.png"; done
    echo share/man/man6/morvick.6.gz
    echo "share/metainfo/$id.metainfo.xml"
} | sort >"$tmp/expected"
find . ! -type d | sed 's|^\./||' | sort >"$tmp/installed"
diff -u "$tmp/expected" "$tmp/installed" || fail "installed files differ from the list above"
for n in 16 22 24 32 48 64 128 256; do
    file -b "share/icons/hicolor/${n}x$n/apps/$id.png" | grep -q "PNG image data, $n x $n," ||
        fail "the ${n}x$n icon is not a $n x $n PNG"
done
! readelf -d bin/morvick | grep -Eq 'R(UN)?PATH' || fail "the installed game keeps a library path"

out=$(desktop-file-validate "share/applications/$id.desktop" 2>&1) || true
[ -z "$out" ] || fail "desktop-file-validate: $out"
# The menu starts the game by its full path, PATH or no PATH.
grep -qxF "Exec=\"$prefix/bin/morvick\"" "share/applications/$id.desktop" ||
    fail "the menu entry does not name the installed game: $(grep ^Exec= "share/applications/$id.desktop")"
appstreamcli validate --no-net --strict "share/metainfo/$id.metainfo.xml" >"$tmp/out" 2>&1 ||
    fail "appstreamcli: $(cat "$tmp/out")"
out=$(zcat share/man/man6/morvick.6.gz | groff -man -ww -z 2>&1)
[ -z "$out" ] || fail "groff: $out"
out=$(man --warnings -l share/man/man6/morvick.6.gz 2>&1 >/dev/null)
[ -z "$out" ] || fail "man: $out"

# Headless, with a store and runtime folder of its own that must stay empty.
mkdir "$tmp/config" "$tmp/runtime"
chmod 700 "$tmp/runtime"
game() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/runtime" "$@"
}
said=$(game bin/morvick --version) || fail "--version exits with $?"
full_status=0
game bin/morvick --version >/dev/full 2>/dev/null || full_status=$?
[ $full_status -eq 1 ] || fail "--version to a full disk exits with $full_status, not 1"
[ "$said" = "morvick $version" ] || fail "--version says '$said'"
grep -q "^\.TH MORVICK 6 .*\"morvick $version\"" <(zcat share/man/man6/morvick.6.gz) ||
    fail "the manual page is not of version $version"
grep -q "<release version=\"$version\"" "share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not list release $version"
files_of() { game "$1" --help >"$tmp/help" || fail "--help exits with $?"; tail -n 1 "$tmp/help"; }
[ "$(files_of bin/morvick)" = "Game files: $prefix/share/morvick" ] || fail "installed --help"
mv "$tmp/pre fix" "$tmp/moved"
[ "$(files_of "$tmp/moved/モルビック/bin/morvick")" = "Game files: $tmp/moved/モルビック/share/morvick" ] ||
    fail "a moved install does not find its files"
[ "$(files_of "$build/bin/morvick")" = "Game files: $build/bin" ] || fail "built --help"
[ -z "$(find "$tmp/config" "$tmp/runtime" -mindepth 1)" ] || fail "--help or --version left files"

# Without options the game starts and runs until it is stopped, its lock beside
# the store even when the store's folder does not exist yet; what Qt says while
# the display opens is passed on once it is open.
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES=qt.qpa.plugin=true XDG_CONFIG_HOME="$tmp/config" \
    XDG_RUNTIME_DIR="$tmp/runtime" "$build/bin/morvick" >/dev/null 2>"$tmp/said" &
pid=$!
lock="$tmp/config/morvick/morvick.lock"
for _ in $(seq 100); do [ -e "$lock" ] && break; sleep 0.1; done
locked=$([ -e "$lock" ] && echo yes || echo no)
kill "$pid" 2>/dev/null || fail "the game did not start without options"
wait "$pid" || true
[ "$locked" = yes ] || fail "the game took no lock beside its store"
grep -q '^qt.qpa.plugin: Successfully loaded' "$tmp/said" || fail "Qt's messages at the start were lost"
set +e
err=$(game "$build/bin/morvick" --platform offscreen --no-such-option 2>&1 >/dev/null)
status=$?
stray=$(game timeout 5 "$build/bin/morvick" --platform offscreen stray 2>&1 >/dev/null)
stray_status=$?
game "$build/bin/morvick" --no-such-option >/dev/null 2>&1 # refused before a display is looked for
headless_status=$?
set -e
[ $status -eq 2 ] && [ $headless_status -eq 2 ] || fail "an unknown option exits with $status, $headless_status"
[ "$(head -n 1 <<<"$err")" = "morvick: unknown option '--no-such-option'" ] || fail "unknown option: $err"
[ $stray_status -eq 2 ] && [[ $stray == *"'stray'"* ]] || fail "an argument the game takes none of: $stray_status"
echo "install under '$prefix': ok"
