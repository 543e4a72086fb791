#!/usr/bin/env bash
# Installs everything Quillmere needs to build, run and test on Debian 12.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
    build-essential cmake ninja-build pkg-config \
    qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev libjpeg-dev libemf-dev libboost1.81-dev \
    libbenchmark-dev xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core openbox \
    clang libclang-rt-14-dev dpkg-dev rsync \
    lintian desktop-file-utils appstream
# The file systems of the power-cut and full-disk test (tests/savesondisk.sh).
apt-get install -y --no-install-recommends xfsprogs e2fsprogs
# A metafile reader for the chart export test (the test is skipped where it is missing).
apt-get install -y --no-install-recommends libreoffice-draw
# GNOME's desktop font, one of the desktop fonts the window tests set (a plain sans where missing).
apt-get install -y --no-install-recommends fonts-cantarell
