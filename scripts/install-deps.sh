#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing need.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format git \
  qt6-base-dev libqt6printsupport6 libqcustomplot-dev \
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils firebird3.0-server \
  libgtest-dev libbenchmark-dev \
  xvfb xauth openbox fonts-dejavu-core python3 sqlite3 bc locales >/dev/null
# A comma-decimal locale: tests check that numbers keep their texts under it.
if ! locale -a | grep -qix 'de_DE.utf8'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
