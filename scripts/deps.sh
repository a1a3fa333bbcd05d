#!/usr/bin/env bash
# Installs the Debian packages Taxel needs to build, test and run, when they are missing.
# Works as root, or as a normal user through sudo.
set -euo pipefail

packages=(
    # build tools
    cmake ninja-build g++ pkg-config
    # Qt 6: Core, Gui, Widgets (base), PDF view, uic/moc; the private headers for emptying the font cache
    qt6-base-dev qt6-base-dev-tools qt6-pdf-dev libgl-dev qt6-base-private-dev
    # tests and benchmarks
    libgtest-dev libbenchmark-dev
    # Japanese fonts for the windows and the sample documents
    fonts-noto-cjk fonts-ipafont-gothic
    # hands documents and web pages to the desktop's viewer and browser
    xdg-utils
    # a screen for the windows when there is none (screenshots, manual checks)
    xvfb xauth
    # the soak run on a desktop (scripts/soak.sh): keyboard maps, a window manager, input, window properties
    x11-xkb-utils openbox xdotool x11-utils
    # fuzzing and sanitizers
    clang libclang-rt-14-dev
    # the formatter the test script enforces
    clang-format
    # the Debian package and its checks (scripts/package-check.sh); the icon's pictures (scripts/icons.sh)
    dpkg-dev lintian desktop-file-utils appstream librsvg2-bin
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    as_root=()
else
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
