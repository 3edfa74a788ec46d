#!/bin/sh
# Writes docs/contrast.md: the lowest text contrast of each screen, as the contrast tests measure
# it (the test programs print one "contrast | ..." line per screen). Run from the repository root
# after building the test programs: sh tools/contrast_table.sh [build folder]
set -e
build=${1:-build}
out=docs/contrast.md
{
    echo "# Text contrast"
    echo
    echo "The lowest contrast of any text on each screen, measured by the \`*TextContrast*\` tests"
    echo "(\`tests/support/text_contrast.h\`): each text is found by drawing the screen with and without it;"
    echo "its colour is the median of its glyphs' cores, its background the median of the rest of its box."
    echo "Every text must reach 4.5:1, or 3:1 from 24 pixels up (WCAG AA). Written by"
    echo "\`tools/contrast_table.sh\`; the lowest text is the one nearest its own threshold."
    echo
    echo "The intro's subtitles are measured every half second that one is wholly shown, the match-3"
    echo "board's clock label on the full bar, the nearly empty one and the hourglass's bar; each gives"
    echo "its lowest."
    echo
    echo "| screen | lowest ratio | its text |"
    echo "|---|---|---|"
    for t in village menus quest story puzzles match3; do
        SDL_AUDIODRIVER=dummy "$build/tests/test_$t" --gtest_filter='*TextContrast*' |
            sed -n 's/^contrast \(| .*\)$/\1/p'
    done
} >"$out.tmp"
mv "$out.tmp" "$out"
echo "wrote $out"
