#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the benchmarks need.
# Safe to run again: it only calls apt-get when a package is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  # the translations (lupdate, lrelease), Qt's own words for its dialogs, and
  # a font with Japanese glyphs
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
  libjpeg-dev libjpeg-turbo-progs libexiv2-dev
  libpng-dev zlib1g-dev libheif-dev qt6-image-formats-plugins
  libheif-examples webp libtiff-tools libtiff-dev
  libraw-dev libraw-bin libjxl-dev libwebp-dev
  # colour profiles, and the X connection the display's profile is read through
  liblcms2-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  # glyphs for the Japanese translation, which the layout test measures
  fonts-noto-cjk
  librsvg2-bin desktop-file-utils appstream parallel
  # counts each function's lines for the test of the sources' sizes
  pmccabe
  # finds the faces "Keep faces clear" keeps the looks off (Debian's dlib
  # links BLAS and LAPACK, whose link-time libraries it does not pull in)
  libdlib-dev libblas-dev liblapack-dev
)

# `install-deps.sh fuzz` adds clang and libFuzzer for `make fuzz`.
if [ "${1:-}" = "fuzz" ]; then
  PACKAGES+=(clang-14 libclang-rt-14-dev libomp-14-dev)
fi
# `install-deps.sh deb` adds what `make deb` needs beyond the build: file
# (CPack asks it which files are binaries) and lintian.
if [ "${1:-}" = "deb" ]; then
  PACKAGES+=(file lintian)
fi
# `install-deps.sh bench` adds the programs bench/peers.sh compares with.
if [ "${1:-}" = "bench" ]; then
  PACKAGES+=(imagemagick libvips-tools libjpeg-turbo-progs time valgrind)
fi
# `install-deps.sh gallery` adds real photographs (Debian's wallpapers) to
# judge and measure the looks on: landscapes, flowers, animals, cities, and
# a portrait (scikit-image's sample pictures).
if [ "${1:-}" = "gallery" ]; then
  PACKAGES+=(lomiri-wallpapers ukui-wallpapers python3-skimage)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
