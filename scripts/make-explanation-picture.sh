#!/usr/bin/env bash
# Makes assets/explanation.png and assets/explanation_en.png anew: starts the
# real main window under Xvfb in Japanese and in English, sets the sample
# program with 3 in R(1), grabs the window, scales it to 1074 x 661 and adds
# the callouts for the zoom and the speed slider.
#   scripts/make-explanation-picture.sh [build directory]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target tessivar_window_grab
for language in ja en; do
  picture=$root/assets/explanation.png
  [ "$language" = ja ] || picture=$root/assets/explanation_$language.png
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/window/tessivar_window_grab" --lang "$language" --explanation "$picture"
  echo "wrote $picture"
done
