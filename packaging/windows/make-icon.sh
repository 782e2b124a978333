#!/usr/bin/env bash
# Writes a Windows icon file holding the given PNG pictures as they are (Windows
# reads PNG inside icons since Vista):   make-icon.sh OUT.ico IN.png...
set -euo pipefail
out=$1
shift

byte() { printf "\\$(printf %03o "$1")"; }
le16() { byte $(($1 & 255)); byte $(($1 >> 8 & 255)); }
le32() { le16 $(($1 & 65535)); le16 $(($1 >> 16)); }
# A PNG's width or height, from its header: big-endian, at byte 16 or 20.
png_side() { od -An -tu1 -j "$2" -N4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'; }

{
  le16 0; le16 1; le16 $#
  offset=$((6 + 16 * $#))
  for png in "$@"; do
    head -c 8 "$png" | od -An -tx1 | grep -q '89 50 4e 47 0d 0a 1a 0a' ||
      { echo "make-icon.sh: $png is not a PNG file" >&2; exit 1; }
    width=$(png_side "$png" 16) height=$(png_side "$png" 20) size=$(stat -c %s "$png")
    [ "$width" -le 256 ] && [ "$height" -le 256 ] ||
      { echo "make-icon.sh: $png is larger than 256 pixels" >&2; exit 1; }
    # 256 is written as 0; one plane, 32 bits a pixel.
    byte $((width & 255)); byte $((height & 255)); byte 0; byte 0
    le16 1; le16 32; le32 "$size"; le32 "$offset"
    offset=$((offset + size))
  done
  cat "$@"
} > "$out.part"
mv "$out.part" "$out"
