#!/usr/bin/env bash
# Renders the pictures of block 1 (data/pictures/NN-slug.gif) from their SVG
# sources (data/pictures/src/NN-slug.svg), as listed in data/pictures/pictures.txt.
#
#   tools/render-pictures.sh                  render every picture in the list
#   tools/render-pictures.sh 07-cekic ...     render only the named pictures
#   tools/render-pictures.sh --refresh-sources
#        copy the sources anew from Twemoji first (drops local edits)
#   tools/render-pictures.sh --sheet FILE.png also write a contact sheet
#
# A source that is missing is copied from the Twemoji package (@twemoji/svg,
# installed with npm into a scratch folder); an existing source is never
# overwritten unless --refresh-sources is given, so an edited SVG stays.
# Each picture is the emoji, 96 px wide, centred on a plain 113 x 130 background,
# saved as a GIF of under 3700 bytes: the bank stores pictures in fixed slots.
set -euo pipefail

readonly WIDTH=113 HEIGHT=130 EMOJI_SIZE=96 MAX_BYTES=3700
readonly PALETTES=(64 48 40 32 24 16)
readonly TWEMOJI_PACKAGE="@twemoji/svg@15.0.0"

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
pictures="$root/data/pictures"
list="$pictures/pictures.txt"
sources="$pictures/src"
twemoji_dir=${LINGVAR_TWEMOJI_DIR:-/tmp/lingvar-twemoji}

die() { echo "render-pictures: $*" >&2; exit 1; }

refresh=0
sheet=""
wanted=()
while [ $# -gt 0 ]; do
    case "$1" in
        --refresh-sources) refresh=1 ;;
        --sheet) [ $# -ge 2 ] || die "--sheet needs a file name"; sheet=$2; shift ;;
        -h|--help) sed -n '2,15p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) die "unknown option $1" ;;
        *) wanted+=("$1") ;;
    esac
    shift
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"
    elif command -v sudo >/dev/null; then sudo "$@"
    else die "need root to run: $*"; fi
}

apt_updated=0
apt_install() {
    command -v apt-get >/dev/null || die "please install the Debian packages: $*"
    if [ "$apt_updated" -eq 0 ]; then
        as_root apt-get update -qq
        apt_updated=1
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@" >/dev/null
}

# The first ImageMagick found; a plain 'convert' elsewhere on PATH may be
# another program, so each candidate must call itself ImageMagick.
find_imagemagick() {
    local c
    for c in magick convert-im6.q16 convert-im6 convert; do
        if command -v "$c" >/dev/null && "$c" -version 2>/dev/null | grep -q ImageMagick; then
            echo "$c"
            return 0
        fi
    done
    return 1
}

command -v rsvg-convert >/dev/null || apt_install librsvg2-bin
im=$(find_imagemagick) || { apt_install imagemagick; im=$(find_imagemagick) || die "ImageMagick not found"; }
if [ "$im" = magick ]; then identify=(magick identify); montage=(magick montage)
else identify=(identify); montage=(montage); fi

twemoji_svg_dir() {
    local dir="$twemoji_dir/node_modules/@twemoji/svg"
    if [ ! -d "$dir" ]; then
        command -v npm >/dev/null || apt_install npm
        mkdir -p "$twemoji_dir"
        npm install --prefix "$twemoji_dir" --no-save --no-audit --no-fund \
            --loglevel=error "$TWEMOJI_PACKAGE" >&2
    fi
    [ -d "$dir" ] || die "Twemoji package not found in $twemoji_dir"
    echo "$dir"
}

# Read the list: NN-slug, code point(s), background.
names=(); codes=(); colours=()
declare -A seen=()
line_no=0
while IFS= read -r line || [ -n "$line" ]; do
    line_no=$((line_no + 1))
    case "$line" in ''|'#'*) continue ;; esac
    read -r name code colour extra <<<"$line"
    if [ -n "${extra:-}" ] || [ -z "${colour:-}" ]; then
        die "$list:$line_no: expected 'NN-slug codepoint colour'"
    fi
    [[ $name =~ ^[0-9]{2}-[a-z0-9-]+$ ]] || die "$list:$line_no: bad picture name '$name'"
    [[ $code =~ ^[0-9a-f]+(-[0-9a-f]+)*$ ]] || die "$list:$line_no: bad code point '$code'"
    [ -z "${seen[${name:0:2}]:-}" ] || die "$list:$line_no: number ${name:0:2} used twice"
    seen[${name:0:2}]=1
    names+=("$name"); codes+=("$code"); colours+=("$colour")
done <"$list"
[ ${#names[@]} -gt 0 ] || die "no pictures listed in $list"

for w in "${wanted[@]}"; do
    found=0
    for n in "${names[@]}"; do [ "$n" = "$w" ] && found=1; done
    [ "$found" -eq 1 ] || die "'$w' is not in $list"
done

selected() {
    [ ${#wanted[@]} -eq 0 ] && return 0
    local w
    for w in "${wanted[@]}"; do [ "$w" = "$1" ] && return 0; done
    return 1
}

mkdir -p "$sources"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rendered=()
for i in "${!names[@]}"; do
    name=${names[$i]}
    selected "$name" || continue
    svg="$sources/$name.svg"
    if [ "$refresh" -eq 1 ] || [ ! -f "$svg" ]; then
        from="$(twemoji_svg_dir)/${codes[$i]}.svg"
        [ -f "$from" ] || die "$name: Twemoji has no ${codes[$i]}.svg"
        cp "$from" "$svg"
    fi

    png="$work/$name.png"
    rsvg-convert -w "$EMOJI_SIZE" -h "$EMOJI_SIZE" -f png -o "$png" "$svg"

    gif="$pictures/$name.gif"
    size=""
    for colours_n in "${PALETTES[@]}"; do
        "$im" -size "${WIDTH}x${HEIGHT}" "xc:${colours[$i]}" "$png" \
            -gravity center -composite -alpha off \
            +dither -colors "$colours_n" -strip "GIF:$work/$name.gif"
        size=$(stat -c %s "$work/$name.gif")
        [ "$size" -lt "$MAX_BYTES" ] && break
    done
    [ "$size" -lt "$MAX_BYTES" ] ||
        die "$name: $size bytes even at ${PALETTES[-1]} colours; the limit is $MAX_BYTES"

    format=$("${identify[@]}" -format '%m %w %h' "$work/$name.gif")
    [ "$format" = "GIF $WIDTH $HEIGHT" ] || die "$name: came out as '$format'"
    mv "$work/$name.gif" "$gif"
    rendered+=("$gif")
    printf '%-18s %4d bytes, %2d colours\n' "$name.gif" "$size" "$colours_n"
done

# Pictures on disk that the list no longer names are left alone, but reported.
for gif in "$pictures"/[0-9][0-9]-*.gif; do
    [ -e "$gif" ] || continue
    base=$(basename "$gif" .gif)
    known=0
    for n in "${names[@]}"; do [ "$n" = "$base" ] && known=1; done
    [ "$known" -eq 1 ] || echo "render-pictures: $base.gif is not in the list" >&2
done

if [ -n "$sheet" ]; then
    [ ${#rendered[@]} -gt 0 ] || die "nothing rendered for the contact sheet"
    # Labels need a font file; without one the sheet goes unlabelled.
    font=$(fc-match -f '%{file}' sans 2>/dev/null || true)
    labelled=()
    for gif in "${rendered[@]}"; do
        if [ -n "$font" ]; then labelled+=(-label "$(basename "$gif" .gif)"); fi
        labelled+=("$gif")
    done
    "${montage[@]}" ${font:+-font "$font"} -pointsize 11 "${labelled[@]}" \
        -tile 8x -geometry +6+6 "$sheet"
    echo "contact sheet: $sheet"
fi
echo "${#rendered[@]} picture(s) rendered"
