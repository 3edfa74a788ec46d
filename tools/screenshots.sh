#!/usr/bin/env bash
# Screenshots of the game's screens in every language it speaks, into one folder, and a sheet
# of the main menu, options, village offers, a tip and a subtitle side by side per language.
#   tools/screenshots.sh [folder]      (default build/screenshots; needs a built game)
# Each screen is drawn headless by the real program on a fresh user folder.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
game=./build/brambleton
art=./build/tools/assetgen/assetgen_art
[ -x "$game" ] && [ -x "$art" ] || { echo "Build the game first: bash tools/setup.sh play --version" >&2; exit 1; }
# The languages as the game lists them under --language in its --help.
IFS=', ' read -r -a languages <<<"$("$game" --help | grep -A1 -- '--language CODE' | tail -1 | xargs)"

# name | arguments | a profile to start from (empty: a new player)
screens=(
  "main-menu|--screen menu --frames 90|"
  "options|--screen options --frames 60|"
  "profile-manager|--screen manager --frames 60|"
  "credits|--screen credits --frames 240|"
  "intro-subtitle|--screen intro --frames 950|"
  "outro|--screen outro --frames 600|"
  "village-offers|--screen village --frames 120|tests/e2e/data/village-profile"
  "tip-village|--screen village --frames 150|"
  "tip-board|--level 3 --seed 3 --frames 420|"
  "level-start|--level 1 --frames 100|"
  "puzzle|--puzzle 1 --frames 60|"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for lang in "${languages[@]}"; do
  mkdir -p "$out/$lang"
  for entry in "${screens[@]}"; do
    IFS='|' read -r name args profile <<<"$entry"
    user="$work/$lang-$name"
    mkdir -p "$user"
    [ -n "$profile" ] && cp -r "$profile/." "$user/"
    # shellcheck disable=SC2086  # the arguments are words
    "$game" --headless --fixed-step --seed 1 --language "$lang" --user-dir "$user" $args \
      --screenshot "$out/$lang/$name.png" >"$user.log" 2>&1 || { cat "$user.log"; echo "$lang $name failed" >&2; exit 1; }
  done
  echo "$lang: ${#screens[@]} screens in $out/$lang"
done

rows=(main-menu options village-offers tip-board intro-subtitle)
files=()
for row in "${rows[@]}"; do
  for lang in "${languages[@]}"; do files+=("$out/$lang/$row.png"); done
done
columns=$(IFS=,; echo "${languages[*]}")
"$art" --sheet "$out/languages.png" "$columns" "main menu,options,village offers,a tip,a subtitle" "${files[@]}"
echo "The sheet: $out/languages.png"
