#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, when they are missing.
set -euo pipefail
PKGS=(cmake g++ make qt6-base-dev qt6-serialport-dev libqt6serialport6 qt6-qpa-plugins
      libgl-dev xvfb xauth fonts-dejavu-core)
missing=()
for p in "${PKGS[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    if [[ $(id -u) -eq 0 ]]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
        echo "Missing packages. Run:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        exit 1
    fi
fi
