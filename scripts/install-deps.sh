#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the benchmarks and the fuzzers use.
# Idempotent: packages already present are left alone and apt is not touched at all.
set -euo pipefail

packages=(
  # toolchain and build
  g++ make cmake pkg-config
  # libFuzzer and the sanitizer runtimes
  clang libclang-rt-14-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev graphviz libxml2-utils
  # Qt 6 widgets with OpenGL; without recommends the OpenGL module must be named
  qt6-base-dev libqt6opengl6-dev qt6-qpa-plugins
  # the toolkit's own texts (file dialogs, standard buttons) in Japanese
  qt6-translations-l10n
  # the window's translations: lupdate, lrelease and their CMake functions
  qt6-l10n-tools qt6-tools-dev
  # OpenGL, GLU's tessellator, Mesa's software renderer
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri libglx-mesa0 libegl-mesa0
  # the desktop files' validators and the MIME database
  desktop-file-utils appstream shared-mime-info
  # the manual page from --help; the Debian package's dependencies and its checker
  help2man dpkg-dev lintian
  # a display for the GUI tests and screenshots
  xvfb xauth x11-apps imagemagick
  # driving the built program as a user does: keys, clicks, the clipboard
  xdotool xclip
  # Japanese fonts: proportional UI font and fixed-width editor font
  fonts-ipafont-gothic fonts-noto-cjk fontconfig
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
