#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing need.
# With --tests also the Firebird server, which the server tests start on a
# private port of their own, and poppler-utils for the print test.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ clang libclang-rt-14-dev clang-format git \
  qt6-base-dev libqt6printsupport6 libqcustomplot-dev \
  firebird-dev libfbclient2 firebird3.0-server-core firebird3.0-utils \
  libgtest-dev libbenchmark-dev \
  xvfb xauth openbox fonts-dejavu-core python3 sqlite3 bc locales >/dev/null
# A comma-decimal locale: tests check that numbers keep their texts under it.
if ! locale -a | grep -qix 'de_DE.utf8'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi

# The server package would start and enable its system service on port 3050,
# which nothing here uses (and which fails where there is no init system): a
# policy that refuses service starts while it installs, unless one is there.
if [ "${1:-}" = "--tests" ] && ! dpkg -s firebird3.0-server >/dev/null 2>&1; then
  policy=/usr/sbin/policy-rc.d
  if [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' | $SUDO tee "$policy" >/dev/null
    $SUDO chmod 755 "$policy"
    trap '$SUDO rm -f "$policy"' EXIT
  fi
  $SUDO apt-get install -y -qq --no-install-recommends firebird3.0-server >/dev/null
fi
# The print test renders the PDF file it writes (pdftoppm) to compare it with the preview.
if [ "${1:-}" = "--tests" ]; then
  $SUDO apt-get install -y -qq --no-install-recommends poppler-utils >/dev/null
fi
