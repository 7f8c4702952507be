#!/usr/bin/env bash
# Shows every picture side by side on the game's default pink background,
# enlarged with hard pixels so outlines and details can be judged.
#
# Usage: preview.sh OUTPUT.png [2x]
#   with "2x" the @2x files are shown instead of the 1x ones.
set -euo pipefail

out=${1:?usage: preview.sh OUTPUT.png [2x]}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bg='rgb(255,128,255)'

if [[ ${2:-} == 2x ]]; then
    suffix='@2x'; zoom='200%'; tile=236x224
else
    suffix=''; zoom='300%'; tile=177x168
fi

names=(morvick1 morvick12 morvick13 morvick2 morvick22 morvick23
       tubo1 tubo2 tubo3
       okan ribon hana1 hana2 pale1 pale2 flower1 flower2
       icon water talk decorate door)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

args=()
for n in "${names[@]}"; do
    src="$here/$n$suffix.png"
    [[ -f $src ]] || { echo "missing $src" >&2; exit 1; }
    # same-sized tiles, pictures standing on the bottom like in the game
    convert "$src" -filter point -resize "$zoom" \
        -background none -gravity south -extent "$tile" "$tmp/$n.png"
    args+=(-label "$n" "$tmp/$n.png")
done

montage -background "$bg" -fill black -pointsize 14 \
    "${args[@]}" -tile 6x -geometry +10+10 "$out"
