#!/usr/bin/env bash
# Installs what building, running and testing Vardex needs on Debian 12 (as root).
# fonts-liberation2 stands in for Arial with the same metrics, which the
# window's column widths assume; xdg-utils opens the user manual;
# desktop-file-utils checks the desktop entries.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
# clang and libclang-rt-14-dev (the sanitizer and libFuzzer runtimes) build
# the fuzz targets; libxml2 judges every file they write.
apt-get install -y --no-install-recommends \
  build-essential cmake ccache \
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools qttranslations5-l10n \
  libqt5sql5 libqt5svg5 \
  xvfb xauth x11-utils \
  libfreexl-dev libxml2-utils libxml2-dev \
  libreoffice-calc-nogui python3-xlrd \
  clang libclang-rt-14-dev \
  fonts-wqy-zenhei fonts-dejavu-core \
  fonts-liberation2 xdg-utils desktop-file-utils
