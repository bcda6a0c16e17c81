#!/usr/bin/env bash
# Whole-process comparison on one 24-megapixel JPEG and one 1600 x 1200
# overlay picture: corvessa-render's screen and overlay looks against
# ImageMagick's convert and libvips' vips doing the same composite
# (nearest-neighbour stretch, screen or overlay, JPEG quality 90), and the
# codec floor (djpeg -dct float, then cjpeg -dct float -quality 90).
# Each command runs RUNS times, interleaved so that drift hits all alike;
# reported are the median wall time, its ratio to the floor and the peak
# resident memory (GNU time). Files are flushed to disk between commands,
# untimed.
#
# Then one look on a batch of BATCH_PHOTOS 12-megapixel JPEGs: corvessa-render
# once a photo, as one batch a photo at a time (-j 1) and one photo per core,
# beside loops of vips and convert doing the same screen composite, one
# photo at a time and two at a time (xargs -P 2). Reported are photos per
# second (from the median of BATCH_RUNS) and the peak resident memory of
# the largest process.
#
#   bench/peers.sh [BUILD_DIR]   (RUNS=5; PHOTO=your.jpg for a real photo;
#                                 RENDER=path to time another corvessa-render;
#                                 BATCH_PHOTOS=24, BATCH_RUNS=3, BATCH=0 to
#                                 leave the batch out)
#
# Install the peers with: scripts/install-deps.sh bench
set -euo pipefail

BUILD_DIR=${1:-build}
RUNS=${RUNS:-5}
RENDER=$(realpath "${RENDER:-$BUILD_DIR/bin/corvessa-render}")
# The packaged programs by their full names, so that nothing earlier on
# PATH stands in for them.
CONVERT=/usr/bin/convert-im6.q16
VIPS=/usr/bin/vips
TIME=/usr/bin/time
for tool in "$RENDER" "$CONVERT" "$VIPS" "$TIME" /usr/bin/djpeg /usr/bin/cjpeg; do
  [ -x "$tool" ] || { echo "missing $tool (make build; scripts/install-deps.sh bench)" >&2; exit 1; }
done

WORK=$(mktemp -d "${TMPDIR:-/tmp}/corvessa-peers.XXXXXX")
trap 'rm -rf "$WORK"' EXIT

# --- Inputs -------------------------------------------------------------------
if [ -n "${PHOTO:-}" ]; then
  cp "$PHOTO" "$WORK/photo.jpg"
else
  # Photo-like content: a smooth fractal field enlarged, with fine noise.
  "$CONVERT" -seed 7 -size 1500x1000 plasma:fractal -blur 0x2 -resize '6000x4000!' \
    -attenuate 0.4 +noise Gaussian -quality 92 "$WORK/photo.jpg"
fi
"$CONVERT" -seed 11 -size 400x300 plasma:fractal -blur 0x3 -resize '1600x1200!' -quality 90 "$WORK/overlay.jpg"
SIZE=$("$CONVERT" "$WORK/photo.jpg" -format '%w %h' info:)
PW=${SIZE% *}
PH=${SIZE#* }
# A plain JFIF file loads as an .ssl picture unchanged.
mkdir -p "$WORK/pic/lightA" "$WORK/pic/gradient"
cp "$WORK/overlay.jpg" "$WORK/pic/lightA/1.ssl"
cp "$WORK/overlay.jpg" "$WORK/pic/gradient/1.ssl"
SCALE=$(awk -v a="$PW" 'BEGIN { printf "%.10f", a / 1600 }')
VSCALE=$(awk -v a="$PH" 'BEGIN { printf "%.10f", a / 1200 }')

# --- Commands -----------------------------------------------------------------
NAMES=(floor corvessa-screen corvessa-overlay vips-screen vips-overlay convert-screen convert-overlay)
declare -A CMD
CMD[floor]="/usr/bin/djpeg -dct float -outfile $WORK/floor.ppm $WORK/photo.jpg && /usr/bin/cjpeg -dct float -quality 90 -outfile $WORK/floor.jpg $WORK/floor.ppm"
CMD[corvessa-screen]="$RENDER --pic $WORK/pic --look LightA:1 $WORK/photo.jpg $WORK/corvessa-screen.jpg"
CMD[corvessa-overlay]="$RENDER --pic $WORK/pic --look Gradient:1 $WORK/photo.jpg $WORK/corvessa-overlay.jpg"
for mode in screen overlay; do
  CMD[vips-$mode]="$VIPS resize $WORK/overlay.jpg $WORK/big-$mode.v $SCALE --vscale $VSCALE --kernel nearest && $VIPS composite2 $WORK/photo.jpg $WORK/big-$mode.v '$WORK/vips-$mode.jpg[Q=90]' $mode"
  CMD[convert-$mode]="$CONVERT $WORK/photo.jpg \\( $WORK/overlay.jpg -filter point -resize '${PW}x${PH}!' \\) -compose $mode -composite -quality 90 $WORK/convert-$mode.jpg"
done

declare -A TIMES PEAK
for ((run = 0; run < RUNS; ++run)); do
  for name in "${NAMES[@]}"; do
    # Each command starts with nothing of the one before still being
    # written out: the floor leaves a 72 MB intermediate file, whose
    # write-back would otherwise be charged to the command after it.
    sync
    start=$(date +%s%N)
    "$TIME" -f %M -o "$WORK/mem" sh -c "${CMD[$name]}" >/dev/null 2>"$WORK/err" || {
      echo "$name failed:" >&2; cat "$WORK/err" >&2; exit 1; }
    end=$(date +%s%N)
    TIMES[$name]+="$(( (end - start) / 1000000 )) "
    kb=$(tail -n 1 "$WORK/mem")
    if [ -z "${PEAK[$name]:-}" ] || [ "$kb" -gt "${PEAK[$name]}" ]; then PEAK[$name]=$kb; fi
  done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
FLOOR=$(echo "${TIMES[floor]}" | median)
echo "Photo ${PW} x ${PH}, overlay 1600 x 1200, $RUNS runs each, $(nproc) cores"
printf '%-18s %10s %10s %10s   %s\n' command median_ms x_floor peak_MB runs_ms
for name in "${NAMES[@]}"; do
  m=$(echo "${TIMES[$name]}" | median)
  printf '%-18s %10d %10.2f %10d   %s\n' "$name" "$m" "$(awk -v a="$m" -v b="$FLOOR" 'BEGIN { print a / b }')" \
    $(( PEAK[$name] / 1024 )) "${TIMES[$name]}"
done

# --- One look on a batch ---------------------------------------------------------
[ "${BATCH:-1}" = 0 ] && exit 0
BATCH_PHOTOS=${BATCH_PHOTOS:-24}
BATCH_RUNS=${BATCH_RUNS:-3}
mkdir -p "$WORK/batch/in"
# 12 megapixels of the same content; one file copied, since every photo
# costs the same to decode, render and encode.
"$CONVERT" "$WORK/photo.jpg" -resize '4000x3000!' -quality 92 "$WORK/batch/photo.jpg"
for ((i = 1; i <= BATCH_PHOTOS; ++i)); do cp "$WORK/batch/photo.jpg" "$(printf '%s/batch/in/IMG_%04d.jpg' "$WORK" "$i")"; done
BSCALE=$(awk 'BEGIN { printf "%.10f", 4000 / 1600 }')
BVSCALE=$(awk 'BEGIN { printf "%.10f", 3000 / 1200 }')
ls "$WORK"/batch/in/*.jpg > "$WORK/batch/list.txt"
# One photo, as vips and convert do it: the overlay stretched, screen blend.
cat > "$WORK/batch/vips-one.sh" <<VIPS
#!/bin/sh
out=$WORK/batch/out/\$(basename "\$1")
$VIPS resize $WORK/overlay.jpg "\$out.v" $BSCALE --vscale $BVSCALE --kernel nearest &&
$VIPS composite2 "\$1" "\$out.v" "\$out[Q=90]" screen && rm "\$out.v"
VIPS
cat > "$WORK/batch/convert-one.sh" <<IM
#!/bin/sh
$CONVERT "\$1" \\( $WORK/overlay.jpg -filter point -resize '4000x3000!' \\) -compose screen -composite -quality 90 "$WORK/batch/out/\$(basename "\$1")"
IM
chmod +x "$WORK/batch/vips-one.sh" "$WORK/batch/convert-one.sh"
BNAMES=(corvessa-each corvessa-batch-j1 corvessa-batch vips-each vips-2-at-once convert-each convert-2-at-once)
declare -A BCMD
BCMD[corvessa-each]="for f in \$(cat $WORK/batch/list.txt); do $RENDER --pic $WORK/pic --look LightA:1 \$f $WORK/batch/out/\$(basename \$f) || exit 1; done"
BCMD[corvessa-batch-j1]="$RENDER --pic $WORK/pic --look LightA:1 -j 1 -o $WORK/batch/out --files-from $WORK/batch/list.txt"
BCMD[corvessa-batch]="$RENDER --pic $WORK/pic --look LightA:1 -o $WORK/batch/out --files-from $WORK/batch/list.txt"
BCMD[vips-each]="xargs -n 1 $WORK/batch/vips-one.sh < $WORK/batch/list.txt"
BCMD[vips-2-at-once]="xargs -n 1 -P 2 $WORK/batch/vips-one.sh < $WORK/batch/list.txt"
BCMD[convert-each]="xargs -n 1 $WORK/batch/convert-one.sh < $WORK/batch/list.txt"
BCMD[convert-2-at-once]="xargs -n 1 -P 2 $WORK/batch/convert-one.sh < $WORK/batch/list.txt"

declare -A BTIMES BPEAK
for ((run = 0; run < BATCH_RUNS; ++run)); do
  for name in "${BNAMES[@]}"; do
    rm -rf "$WORK/batch/out"; mkdir "$WORK/batch/out"
    sync
    start=$(date +%s%N)
    "$TIME" -f %M -o "$WORK/mem" sh -c "${BCMD[$name]}" >/dev/null 2>"$WORK/err" || {
      echo "$name failed:" >&2; cat "$WORK/err" >&2; exit 1; }
    sync  # the batch's files on disk count towards its time
    end=$(date +%s%N)
    [ "$(ls "$WORK/batch/out" | wc -l)" -eq "$BATCH_PHOTOS" ] || { echo "$name wrote $(ls "$WORK/batch/out" | wc -l) files" >&2; exit 1; }
    BTIMES[$name]+="$(( (end - start) / 1000000 )) "
    kb=$(tail -n 1 "$WORK/mem")
    if [ -z "${BPEAK[$name]:-}" ] || [ "$kb" -gt "${BPEAK[$name]}" ]; then BPEAK[$name]=$kb; fi
  done
done

echo
echo "Batch: $BATCH_PHOTOS photos of 4000 x 3000, overlay 1600 x 1200, screen blend, $BATCH_RUNS runs each, $(nproc) cores"
EACH=$(echo "${BTIMES[corvessa-each]}" | median)
printf '%-18s %10s %10s %12s %10s   %s\n' command median_ms photos/s x_one_each peak_MB runs_ms
for name in "${BNAMES[@]}"; do
  m=$(echo "${BTIMES[$name]}" | median)
  printf '%-18s %10d %10.2f %12.2f %10d   %s\n' "$name" "$m" "$(awk -v n="$BATCH_PHOTOS" -v t="$m" 'BEGIN { print n * 1000 / t }')" \
    "$(awk -v a="$EACH" -v b="$m" 'BEGIN { print a / b }')" $(( BPEAK[$name] / 1024 )) "${BTIMES[$name]}"
done
