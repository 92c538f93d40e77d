#!/usr/bin/env bash
# Renders the hand-drawn SVG sources in assets/src and assets/icons to the
# pictures the program ships, at their exact sizes and formats, then checks them.
#
#   tools/render-artwork.sh             render everything and check it
#   tools/render-artwork.sh --outlines  first rewrite the title's letter outlines
#                                       in assets/src/naslov.svg from the Lobster
#                                       font (npm), then render
#
# Installs what it lacks: librsvg2-bin and imagemagick from Debian, and for
# --outlines nodejs/npm plus two npm packages in a scratch folder.
# Rendering is deterministic: running it again gives byte-identical files.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
src=$root/assets/src
out=$root/assets
icons=$root/assets/icons
build=${ARTWORK_BUILD_DIR:-/tmp/build-artwork}
work=$build/render

# Versions pinned so that the outlines come out the same every time.
lobster_pkg=@fontsource/lobster@5.3.0
opentype_pkg=opentype.js@1.3.4

outlines=0
for arg in "$@"; do
    case $arg in
        --outlines) outlines=1 ;;
        -h|--help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "render-artwork: unknown option $arg" >&2; exit 2 ;;
    esac
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

apt_updated=0
install_debs() {
    if [ $apt_updated -eq 0 ]; then
        as_root apt-get update -qq
        apt_updated=1
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null
}

# The checks ask for the real ImageMagick by its answer, since a convert
# elsewhere on PATH may be something else by that name.
have_imagemagick() {
    convert -version 2>/dev/null | grep -q ImageMagick &&
        identify -version 2>/dev/null | grep -q ImageMagick
}

command -v rsvg-convert >/dev/null || install_debs librsvg2-bin
have_imagemagick || install_debs imagemagick
have_imagemagick || { echo "render-artwork: ImageMagick is not usable" >&2; exit 1; }

mkdir -p "$work"

if [ $outlines -eq 1 ]; then
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        install_debs nodejs npm
    fi
    npm_dir=$build/npm
    mkdir -p "$npm_dir"
    if [ ! -f "$npm_dir/node_modules/@fontsource/lobster/package.json" ] ||
       [ ! -f "$npm_dir/node_modules/opentype.js/package.json" ]; then
        [ -f "$npm_dir/package.json" ] || echo '{"private": true}' >"$npm_dir/package.json"
        npm install --prefix "$npm_dir" --no-audit --no-fund --silent "$lobster_pkg" "$opentype_pkg"
    fi
    NODE_PATH=$npm_dir/node_modules node "$src/naslov-slova.mjs" "$src/naslov.svg"
    echo "outlines: rewritten in assets/src/naslov.svg"
fi

# svg -> png at an exact size
raster() { # source width height png
    rsvg-convert --width "$2" --height "$3" --format png --output "$4" "$1"
}

# A picture with a flat background that must stay exactly that colour:
# the palette is the picture's own 255 most telling colours plus the background,
# and no dithering spills error into the flat areas.
gif_on_background() { # png background out.gif
    local png=$1 bg=$2 gif=$3
    convert "$png" -alpha off +dither -colors 255 -unique-colors "$work/pal.png"
    convert "$work/pal.png" \( -size 1x1 "xc:$bg" \) +append "$work/pal-bg.png"
    convert "$png" -alpha off -dither None -remap "$work/pal-bg.png" "$gif"
}

mkdir -p "$icons"

# Title: gradients over the whole picture, so dithering does it good.
raster "$src/naslov.svg" 458 130 "$work/naslov.png"
convert "$work/naslov.png" -alpha off -dither FloydSteinberg -colors 256 "$out/naslov.gif"

raster "$src/kantar.svg" 314 289 "$work/kantar.png"
gif_on_background "$work/kantar.png" "rgb(192,192,192)" "$out/kantar.gif"

raster "$src/oglas.svg" 182 66 "$work/oglas.png"
gif_on_background "$work/oglas.png" "rgb(62,119,190)" "$out/oglas.gif"

raster "$src/mudrica.svg" 119 115 "$work/mudrica.png"
convert "$work/mudrica.png" -alpha off -strip -sampling-factor 1x1 -quality 92 "$out/mudrica.jpg"

# The opanak is pixel art: every pixel is either opaque or fully clear.
raster "$src/opanak.svg" 33 17 "$work/opanak.png"
convert "$work/opanak.png" -channel A -threshold 50% +channel "$out/opanak.gif"

for n in 16 22 24 32 48 64 128 256; do
    dir=$icons/hicolor/${n}x${n}/apps
    mkdir -p "$dir"
    if [ "$n" -eq 16 ]; then
        raster "$src/lingvar-16.svg" 16 16 "$dir/lingvar.png"
    else
        raster "$icons/lingvar.svg" "$n" "$n" "$dir/lingvar.png"
    fi
done

# ---- checks ----
failed=0
fail() { echo "render-artwork: $*" >&2; failed=1; }

expect() { # file format width height
    local got
    got=$(identify -format '%m %w %h\n' "$1" 2>/dev/null | head -n 1)
    [ "$got" = "$2 $3 $4" ] || fail "$1: expected $2 $3x$4, got '${got:-nothing}'"
}

# Every pixel on the picture's edge must be exactly the given colour.
expect_border() { # file #RRGGBB
    local odd
    odd=$(convert "$1" -alpha off -depth 8 txt:- | awk -v want="$2" '
        NR == 1 { sub(/.*: /, ""); split($0, a, ","); w = a[1]; h = a[2]; next }
        {
            split($1, p, "[,:]"); x = p[1]; y = p[2]
            if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && toupper($3) != want) n++
        }
        END { print n + 0 }')
    [ "$odd" -eq 0 ] || fail "$1: $odd edge pixels are not $2"
}

expect "$out/naslov.gif" GIF 458 130
expect "$out/kantar.gif" GIF 314 289
expect "$out/mudrica.jpg" JPEG 119 115
expect "$out/opanak.gif" GIF 33 17
expect "$out/oglas.gif" GIF 182 66
for n in 16 22 24 32 48 64 128 256; do
    expect "$icons/hicolor/${n}x${n}/apps/lingvar.png" PNG "$n" "$n"
done
expect_border "$out/kantar.gif" "#C0C0C0"
expect_border "$out/oglas.gif" "#3E77BE"

# The opanak's corners are see-through.
alpha=$(convert "$out/opanak.gif" -format '%[fx:p{0,0}.a]' info:)
[ "$alpha" = 0 ] || fail "$out/opanak.gif: corner is not transparent"

if [ $failed -ne 0 ]; then
    exit 1
fi
echo "artwork: rendered and checked"
