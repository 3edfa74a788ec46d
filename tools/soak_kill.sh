#!/usr/bin/env bash
# Soak: a whole-quest run of the virtual player killed with SIGKILL at N random moments, each
# followed by a restart on the same user folder; then a last run to the end. Every profile file
# must read after each kill (braces balanced, its top group there), and the quest must reach the
# outro. Usage: tools/soak_kill.sh BUILD_DIR [KILLS] [SEED]
set -u
build=${1:?build folder}
kills=${2:-30}
seed=${3:-1}
dir=$(mktemp -d /tmp/brambleton-soak-XXXXXX)
game="$build/brambleton"
args=(--autoplay --headless --renderer null --fixed-step --seed 1 --move-every 750 --user-dir "$dir/user")
RANDOM=$seed
bad=0
check_files() {
  for f in "$dir"/user/Profiles/profiles.dat "$dir"/user/Profiles/*/profile.dat; do
    [ -e "$f" ] || continue
    local open close
    open=$(tr -cd '{' < "$f" | wc -c)
    close=$(tr -cd '}' < "$f" | wc -c)
    if [ "$open" -ne "$close" ] || ! grep -q '^profile' "$f"; then
      echo "DAMAGED after kill $1: $f"
      bad=$((bad + 1))
    fi
  done
}
for k in $(seq 1 "$kills"); do
  "$game" "${args[@]}" > "$dir/run-$k.log" 2>&1 &
  pid=$!
  # A moment within the first 12 s of the run (a whole quest takes about 25 s).
  sleep "$((RANDOM % 12)).$((RANDOM % 10))"
  kill -9 "$pid" 2> /dev/null
  wait "$pid" 2> /dev/null
  check_files "$k"
  echo "kill $k: $(grep -c 'level summary: NEXT' "$dir/run-$k.log") levels won in this run, $(ls "$dir"/user/Profiles/*/*.bad-* 2> /dev/null | wc -l) files set aside so far"
done
"$game" "${args[@]}" > "$dir/last.log" 2>&1
status=$?
grep -E 'quest summary|whole-game run' "$dir/last.log"
echo "last run: exit $status; damaged files after kills: $bad; folder $dir"
[ "$status" -eq 0 ] && [ "$bad" -eq 0 ] && grep -q 'whole-game run: the quest is over' "$dir/last.log"
