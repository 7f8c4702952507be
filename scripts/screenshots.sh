#!/usr/bin/env bash
# Makes the pictures in docs/: the main window with a dressed, blooming plant
# in Japanese and in English (the game run under Xvfb with a fixed date and
# draws), and a sheet of every plant, pot and accessory picture on the game's
# default background.
# Needs a build (scripts/test.sh) and xvfb, xauth, x11-utils and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${1:-build}"
harness="$build_dir/bin/morvick_harness"
[ -x "$harness" ] || { echo "build first: $harness is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/morvick" "$work/run"
chmod 700 "$work/run"
cat > "$work/plant.conf" <<'CONF'
[setting]
sname=サボテン
smode=1
lastday=46355
days=124
swater=6
sshape1=1
sshape2=2
sacce1=1
sacce2=1
sei=2
seiword=1
ai=40
CONF

# The main window in each of the game's languages.
mkdir -p docs
shoot() { # LANG, picture
    # The same plant each time: a game that ends stores what it did to it.
    cp "$work/plant.conf" "$work/config/morvick/morvick.conf"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$1" \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
        xvfb-run -a -s '-screen 0 480x320x24' bash -c '
            "$1" --today 2026-12-06 --draw 0.0 & game=$!
            for _ in $(seq 50); do xwininfo -name MORVICK >/dev/null 2>&1 && break; sleep 0.1; done
            sleep 1
            import -window "$(xwininfo -name MORVICK | awk "/Window id/ {print \$4}")" "$2"
            kill $game' _ "$harness" "$work/main.png"
    convert "$work/main.png" -scale 200% "$2"
}
shoot ja_JP.UTF-8 docs/mainwindow.png
shoot en_US.UTF-8 docs/mainwindow_en.png
assets/pictures/preview.sh docs/pictures.png
echo "wrote docs/mainwindow.png, docs/mainwindow_en.png and docs/pictures.png"
