#!/usr/bin/env bash
# Renders the hand-drawn SVG sources in assets/src and assets/icons to the
# pictures the program ships, at their exact sizes and formats, then checks them.
# Each screen picture also gets a double-size "@2x" twin, drawn from the same
# source, for desktops that scale by 2.
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
        -h|--help) sed -n '2,14p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
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

# The screen pictures at a scale: 1 gives the files the program shows, 2 their
# "@2x" twins for a desktop that scales by 2.
render_pictures() { # scale
    local s=$1 x=
    [ "$s" -eq 1 ] || x=@${s}x

    # Title: gradients over the whole picture, so dithering does it good.
    raster "$src/naslov.svg" $((458 * s)) $((130 * s)) "$work/naslov$x.png"
    convert "$work/naslov$x.png" -alpha off -dither FloydSteinberg -colors 256 "$out/naslov$x.gif"

    raster "$src/kantar.svg" $((314 * s)) $((289 * s)) "$work/kantar$x.png"
    gif_on_background "$work/kantar$x.png" "rgb(192,192,192)" "$out/kantar$x.gif"

    raster "$src/oglas.svg" $((182 * s)) $((66 * s)) "$work/oglas$x.png"
    gif_on_background "$work/oglas$x.png" "rgb(62,119,190)" "$out/oglas$x.gif"

    raster "$src/mudrica.svg" $((119 * s)) $((115 * s)) "$work/mudrica$x.png"
    convert "$work/mudrica$x.png" -alpha off -strip -sampling-factor 1x1 -quality 92 "$out/mudrica$x.jpg"

    # The opanak is pixel art: every pixel is either opaque or fully clear.
    # Its runs lie on whole pixels, so at 2 each one becomes a crisp 2x2 block.
    raster "$src/opanak.svg" $((33 * s)) $((17 * s)) "$work/opanak$x.png"
    convert "$work/opanak$x.png" -channel A -threshold 50% +channel "$out/opanak$x.gif"
}

render_pictures 1
render_pictures 2

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

for s in 1 2; do
    x=
    [ "$s" -eq 1 ] || x=@${s}x
    expect "$out/naslov$x.gif" GIF $((458 * s)) $((130 * s))
    expect "$out/kantar$x.gif" GIF $((314 * s)) $((289 * s))
    expect "$out/mudrica$x.jpg" JPEG $((119 * s)) $((115 * s))
    expect "$out/opanak$x.gif" GIF $((33 * s)) $((17 * s))
    expect "$out/oglas$x.gif" GIF $((182 * s)) $((66 * s))
    expect_border "$out/kantar$x.gif" "#C0C0C0"
    expect_border "$out/oglas$x.gif" "#3E77BE"

    # The opanak's corners are see-through.
    alpha=$(convert "$out/opanak$x.gif" -format '%[fx:p{0,0}.a]' info:)
    [ "$alpha" = 0 ] || fail "$out/opanak$x.gif: corner is not transparent"
done
for n in 16 22 24 32 48 64 128 256; do
    expect "$icons/hicolor/${n}x${n}/apps/lingvar.png" PNG "$n" "$n"
done

# A run off the pixel grid in opanak.svg would blur the double-size opanak:
# it must be the small one with every pixel doubled, nothing else.
convert "$out/opanak.gif" -filter point -scale 200% "$work/opanak-doubled.png"
differ=$(compare -metric AE "$out/opanak@2x.gif" "$work/opanak-doubled.png" null: 2>&1 || true)
[ "$differ" = 0 ] || fail "$out/opanak@2x.gif: not the 1x opanak doubled ($differ pixels differ)"

if [ $failed -ne 0 ]; then
    exit 1
fi
echo "artwork: rendered and checked"
