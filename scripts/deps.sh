#!/usr/bin/env bash
# Makes sure the Debian packages the build and the tests need are present (chromium: the
# test that opens a published ontology in a web browser).
# As root it installs what is missing; otherwise it names the packages and stops.
set -euo pipefail

needed=(cmake ninja-build g++ qt6-base-dev libsqlite3-dev libgtest-dev libgmock-dev chromium "$@")
missing=()
for pkg in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "These Debian packages are missing: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get install ${missing[*]}" >&2
  exit 1
fi
