#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running the project
# need, when they are missing, and the locales that the translation tests use.
# The CUPS scheduler and its clients are installed for the private scheduler
# that the tests and the main job start themselves, with the cups package for
# its socket backend and document filters (without recommends, which would
# pull in systemd); installing them starts nothing here, and the machine's
# own CUPS service is left as it is. The main job asks the device simulator
# for its jobs with curl and reads the answer with jq.
set -euo pipefail

packages=(
  build-essential cmake pkg-config gettext locales
  libcups2-dev libssl-dev libcurl4-openssl-dev libpugixml-dev
  nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
  libncurses-dev libcpp-httplib-dev zlib1g-dev
  cups cups-daemon cups-client curl jq
  dpkg-dev fakeroot lintian file
  clang libclang-rt-dev clang-format
  libgtk-4-dev xvfb xauth fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  # Installing cups-daemon would start the machine's CUPS service: a
  # policy-rc.d that forbids starting services holds it back for the
  # install (unless the machine has a policy of its own).
  policy=/usr/sbin/policy-rc.d
  own_policy=""
  if [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$policy" >/dev/null
    $sudo chmod 0755 "$policy"
    own_policy=yes
  fi
  $sudo apt-get update -qq
  status=0
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || status=$?
  [ -n "$own_policy" ] && $sudo rm -f "$policy"
  [ $status -eq 0 ] || exit $status
fi

# The bundle ships a German translation; the tests and the terminal dialog
# switch to it through the locale, which glibc only honours once generated.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if [ -f /etc/locale.gen ]; then
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
fi
