#!/usr/bin/env bash
# Makes the pictures in docs/: the main window with a dressed, blooming plant
# in Japanese and in English, the setup and talk windows in English (the game
# run under Xvfb with a fixed date and draws), and a sheet of every plant, pot
# and accessory picture on the game's default background.
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

# The main window in each of the game's languages; the setup window of a first
# start and the talk window in English.
mkdir -p docs
shoot() { # LANG, store ("" for none), window to wait for, picture, steps for the harness...
    local lang=$1 store=$2 window=$3 picture=$4
    shift 4
    # The same plant each time: a game that ends stores what it did to it.
    rm -f "$work/config/morvick/morvick.conf"
    [ -z "$store" ] || cp "$store" "$work/config/morvick/morvick.conf"
    env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$lang" \
        XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" \
        xvfb-run -a -s '-screen 0 480x320x24' bash -c '
            harness=$1 out=$2 window=$3
            shift 3
            "$harness" --today 2026-12-06 --draw 0.0 "$@" > "$out.log" & game=$!
            for _ in $(seq 50); do grep -q "^shown $window " "$out.log" && break; sleep 0.1; done
            sleep 1
            if [ "$window" = mainform ]; then
                import -window "$(xwininfo -name MORVICK | awk "/Window id/ {print \$4}")" "$out"
            else # a window without a title of its own: the screen, cropped to what is drawn
                import -window root "$out" && convert "$out" -trim +repage "$out"
            fi
            kill $game' _ "$harness" "$work/shot.png" "$window" "$@"
    convert "$work/shot.png" -scale 200% "$picture"
}
shoot ja_JP.UTF-8 "$work/plant.conf" mainform docs/mainwindow.png
shoot en_US.UTF-8 "$work/plant.conf" mainform docs/mainwindow_en.png
shoot en_US.UTF-8 "" firstform docs/setup_en.png
shoot en_US.UTF-8 "$work/plant.conf" wordform docs/talk_en.png --click mainform:siikubutton2
assets/pictures/preview.sh docs/pictures.png
echo "wrote docs/mainwindow.png, docs/mainwindow_en.png, docs/setup_en.png, docs/talk_en.png and docs/pictures.png"
