#!/usr/bin/env bash
# Start-up time: from starting the program to its first picture on the screen, on the offscreen
# platform. Prints each run and the median in milliseconds. Usage: startup_time.sh [runs] [program]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-11}"
program="${2:-$root/build/app/trimora}"
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  QT_QPA_PLATFORM=offscreen TRIMORA_QUIT_AFTER_FIRST_PAINT=1 "$program" >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(((end - start) / 1000000)))
done
echo "runs (ms): ${times[*]}"
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {print "median (ms): " a[int((NR + 1) / 2)]}'
