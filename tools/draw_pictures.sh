#!/bin/sh
# Draws the program's pictures (resources/pictures/168.png to 174.png) with
# ImageMagick. The small ones are drawn eight times larger and scaled down,
# which smooths their edges; they carry an alpha channel and keep pure white
# out of their opaque parts, because white counts as transparent.
# Usage: tools/draw_pictures.sh [OUTPUT_FOLDER]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../resources/pictures"}
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

font_bold=/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf
[ -f "$font_bold" ] || font_bold=DejaVu-Sans-Bold

# Fills a white-on-black mask with one colour: the mask becomes the alpha.
colourise() { # mask colour result
    convert "$1" -alpha off \( +clone -fill "$2" -colorize 100 \) +swap \
        -compose CopyOpacity -composite "$3"
}

# 168: the about box background, a calm gradient with soft circles.
convert -size 484x238 gradient:'#f7f9fc'-'#dbe5f0' \
    -fill 'rgba(255,255,255,0.35)' -draw 'circle 420,40 420,150' \
    -fill 'rgba(120,150,185,0.10)' -draw 'circle 60,230 60,110' \
    -fill 'rgba(120,150,185,0.08)' -draw 'circle 330,250 330,175' \
    -stroke 'rgba(90,120,160,0.18)' -strokewidth 2 -fill none \
    -draw 'path "M 0,200 C 120,160 260,230 484,170"' \
    -stroke 'rgba(90,120,160,0.10)' -strokewidth 1 \
    -draw 'path "M 0,214 C 140,178 270,246 484,186"' \
    -blur 0x0.6 -alpha off -depth 8 "$out/168.png"

# 169: the actions icon, a gear.
convert -size 128x128 xc:black -fill white \
    -draw 'circle 64,64 64,22' \
    -draw 'push graphic-context translate 64,64 rotate 0   rectangle -11,-60 11,-30 pop graphic-context' \
    -draw 'push graphic-context translate 64,64 rotate 45  rectangle -11,-60 11,-30 pop graphic-context' \
    -draw 'push graphic-context translate 64,64 rotate 90  rectangle -11,-60 11,-30 pop graphic-context' \
    -draw 'push graphic-context translate 64,64 rotate 135 rectangle -11,-60 11,-30 pop graphic-context' \
    -draw 'push graphic-context translate 64,64 rotate 180 rectangle -11,-60 11,-30 pop graphic-context' \
    -draw 'push graphic-context translate 64,64 rotate 225 rectangle -11,-60 11,-30 pop graphic-context' \
    -draw 'push graphic-context translate 64,64 rotate 270 rectangle -11,-60 11,-30 pop graphic-context' \
    -draw 'push graphic-context translate 64,64 rotate 315 rectangle -11,-60 11,-30 pop graphic-context' \
    -fill black -draw 'circle 64,64 64,46' "$tmp/gear.png"
colourise "$tmp/gear.png" '#4d5966' "$tmp/gear-big.png"
convert "$tmp/gear-big.png" -resize 16x16 -depth 8 "$out/169.png"

# 170 and 171: the lock, closed and open. Body in brass, shackle in steel.
lock() { # shackle-centre-y left-leg-end result
    convert -size 128x160 xc:none \
        -fill none -stroke '#6f7780' -strokewidth 15 \
        -draw "ellipse 64,$1 24,24 180,360" \
        -draw "line 40,$1 40,$2" -draw "line 88,$1 88,92" \
        -stroke '#7a5a14' -strokewidth 5 -fill '#d6a934' \
        -draw 'roundrectangle 14,84 114,154 12,12' \
        -stroke none -fill '#4a3608' -draw 'circle 64,110 64,98' \
        -draw 'polygon 58,112 70,112 74,140 54,140' \
        -resize 16x20 -depth 8 "$3"
}
lock 50 88 "$out/170.png"
lock 34 60 "$out/171.png"

# 172: the transfer icon, an arrow into a document.
convert -size 128x128 xc:none \
    -fill '#f2f4f7' -stroke '#55606c' -strokewidth 6 \
    -draw 'polygon 46,8 94,8 120,34 120,120 46,120' \
    -fill '#c9d1da' -draw 'polygon 94,8 94,34 120,34' \
    -stroke '#8d99a6' -strokewidth 5 \
    -draw 'line 62,56 104,56' -draw 'line 62,74 104,74' -draw 'line 62,92 104,92' \
    -stroke '#1f7a3a' -strokewidth 3 -fill '#2e9e4f' \
    -draw 'polygon 6,62 46,62 46,44 82,80 46,116 46,98 6,98' \
    -resize 16x16 -depth 8 "$out/172.png"

# 173: the program icon, a speech bubble holding lines of text.
convert -size 296x280 xc:none \
    -fill '#2f6fae' -stroke '#1f4f80' -strokewidth 8 \
    -draw 'roundrectangle 12,12 284,204 40,40' \
    -stroke none -draw 'polygon 60,196 120,196 44,268' \
    -stroke '#1f4f80' -strokewidth 8 -draw 'line 44,268 60,200' -draw 'line 44,268 120,200' \
    -fill '#2f6fae' -stroke none -draw 'rectangle 62,190 118,206' \
    -fill '#f4f7fb' -draw 'roundrectangle 52,52 244,72 10,10' \
    -draw 'roundrectangle 52,98 244,118 10,10' \
    -fill '#f2c14e' -draw 'roundrectangle 52,144 180,164 10,10' \
    -resize 37x35 -depth 8 "$out/173.png"

# 174: the product lettering.
convert -background none -fill '#24415f' -font "$font_bold" -pointsize 56 \
    label:'Velmora' "$tmp/word.png"
convert -background none -fill '#d9822b' -font "$font_bold" -pointsize 56 \
    label:'9' "$tmp/nine.png"
convert "$tmp/word.png" \( "$tmp/nine.png" -background none -gravity west -splice 14x0 \) +append \
    -trim +repage -gravity center -background none -extent 353x46 -depth 8 "$out/174.png"
