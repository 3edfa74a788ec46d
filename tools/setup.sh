#!/usr/bin/env bash
# Sets up a Debian 12 machine for Brambleton, builds the game with its
# generated assets, and then either starts it or runs every test.
#   tools/setup.sh play [game options]   install, build, start the game
#   tools/setup.sh test                  install, build, run every test
#   tools/setup.sh package               install, build, make the Debian package
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake ninja-build g++ pkg-config
  clang-14 libclang-rt-14-dev clang-format-14 lld ccache
  libsdl2-dev libfreetype-dev libpng-dev libjpeg-dev zlib1g-dev libvorbis-dev liblua5.1-0-dev
  libcairo2-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation fonts-ebgaramond-extra
  xvfb xauth
  desktop-file-utils appstream dpkg-dev
)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_game() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRAMBLETON_WERROR=ON
  cmake --build build -j"$(nproc)"
}

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer with
# clang, plus the fuzzers of every file reader. -O1 (the sanitizers' usual
# level) runs the long simulations twice as fast as -O0; line tables are all a
# sanitizer's report needs to name the file and line.
build_sanitized() {
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_C_FLAGS_DEBUG=-O1 -gline-tables-only" "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -gline-tables-only" \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DBRAMBLETON_SANITIZE=ON -DBRAMBLETON_FUZZ=ON -DBRAMBLETON_ASSETS=OFF -DBRAMBLETON_WERROR=ON
  cmake --build build-asan -j"$(nproc)"
}

# Every C++ file of the repository in the house style of .clang-format.
check_format() {
  local files
  mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests tools bench -name '*.cpp' -o -name '*.h')
  if ! clang-format-14 --dry-run --Werror "${files[@]}" 2>/tmp/brambleton-format.log; then
    grep -E '^[^ ].*: (error|warning):' /tmp/brambleton-format.log | cut -d: -f1 | sort -u | head -20 >&2
    echo "These files are not in the house format: run clang-format-14 -i on them." >&2
    exit 1
  fi
  echo "Every C++ file is in the house format."
}

# The play command itself, as a player types it, for a few headless frames in a
# temporary user folder: it must start the game and draw a frame.
check_play_command() {
  local dir
  dir=$(mktemp -d)
  # 700 frames of the game's own clock (--fixed-step: 1/60 s each, however fast
  # they are drawn): the two cards, the loading screen and its fade into the menu.
  bash tools/setup.sh play --headless --fixed-step --frames 700 --user-dir "$dir/user" --screenshot "$dir/play.png" \
    >"$dir/play.log" 2>&1 || { cat "$dir/play.log"; echo "The play command failed." >&2; exit 1; }
  [ -s "$dir/play.png" ] || { cat "$dir/play.log"; echo "The play command drew no frame." >&2; exit 1; }
  grep -q "^where = 1$" "$dir/play.log" ||
    { cat "$dir/play.log"; echo "The play command did not reach the main menu." >&2; exit 1; }
  echo "The play command starts the game and reaches the main menu."
  rm -rf "$dir"
}

# The Debian package, built by CPack into build/package/.
build_package() {
  build_game
  cpack -G DEB --config build/CPackConfig.cmake -B build/package
  echo "Install it with: sudo apt install ./$(ls build/package/brambleton_*.deb | head -1)"
}

# Runs one step of the test command and says how long it took, so that a slow
# step shows in every run's output.
timed() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "[step] $name: $((SECONDS - start)) s"
}

mode="${1:-play}"
[ $# -gt 0 ] && shift
timed "install check" install_missing
case "$mode" in
  play)
    build_game
    exec ./build/brambleton "$@"
    ;;
  test)
    timed format check_format
    timed build build_game
    timed "play command" check_play_command
    timed "sanitized build" build_sanitized
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
    # The fuzzers run beside the sanitized tests, so that neither waits for the other's last one.
    timed "sanitized tests and fuzzers" ctest --test-dir build-asan -L "^(unit|exit|fuzz)$" \
      --output-on-failure -j"$(nproc)"
    timed tests ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  package)
    build_package
    ;;
  *)
    echo "usage: tools/setup.sh play [game options] | tools/setup.sh test | tools/setup.sh package" >&2
    exit 2
    ;;
esac
