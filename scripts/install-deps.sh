#!/usr/bin/env bash
# Installs the Debian packages the project needs that are not there yet.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-translations-l10n libjpeg-dev fonts-liberation
          xvfb xdotool x11-apps imagemagick jq python3 clang libclang-rt-14-dev
          desktop-file-utils libxml2-utils xdg-utils libfile-mimeinfo-perl shared-mime-info
          groff-base man-db dpkg-dev file gzip clang-format poppler-utils lintian appstream)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
