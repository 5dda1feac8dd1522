#!/usr/bin/env bash
# Extraction speed and memory of `fsembed unzip` against Info-ZIP unzip,
# bsdtar and 7-Zip, on one large archive of real files from this machine.
#
#   unzip_bench.sh FSEMBED [WORKDIR]
#
# The archive (~200 MB uncompressed, several thousand entries with unique
# bare names, picked deterministically from /usr/lib and /usr/share) is built
# once with Info-ZIP zip in WORKDIR (default build/bench-unzip); every tool
# extracts it into a tmpfs folder, BENCH_RUNS times (default 5), and the
# median wall time and peak memory are reported. Figures only: never fails
# on them.
set -euo pipefail
fsembed=$(realpath "$1")
work=$(realpath -m "${2:-build/bench-unzip}")
runs=${BENCH_RUNS:-5}
target_bytes=${BENCH_BYTES:-200000000}
mkdir -p "$work"
archive=$work/bench.zip
out=/dev/shm/bvt-unzip-bench.$$
trap 'rm -rf "$out"' EXIT

if [ ! -f "$archive" ]; then
  echo "building $archive from /usr/lib and /usr/share ..."
  # Regular files with plain names, first occurrence of each bare name, in
  # sorted path order, until the size budget is used.
  find /usr/lib /usr/share -type f -size -8M -printf '%s %p\n' 2>/dev/null | LC_ALL=C sort -k2 |
    awk -v budget="$target_bytes" '
      { name = $2; sub(/.*\//, "", name) }
      name ~ /^[A-Za-z0-9._+-]+$/ && name !~ /[. ]$/ && !(tolower(name) in seen) {
        seen[tolower(name)] = 1; total += $1; print $2; if (total >= budget) exit }' >"$work/files.txt" ||
    true  # awk stops reading once the budget is used
  (cd / && zip -q -X -j -9 "$archive" -@ <"$work/files.txt")
fi
entries=$(unzip -Z1 "$archive" | wc -l)
bytes=$(unzip -Zt "$archive" | awk '{print $3}')
echo "archive: $(du -m "$archive" | cut -f1) MB, $entries entries, $bytes bytes uncompressed; $runs runs each into $out (tmpfs)"

# measure NAME COMMAND...: medians of wall and CPU (user+sys) seconds and the
# peak memory over the runs. CPU time is the steadier figure on a machine
# shared with other work.
measure() {
  local name=$1; shift
  : >"$work/runs.txt"
  for _ in $(seq "$runs"); do
    rm -rf "$out"; mkdir -p "$out"
    sync
    /usr/bin/time -f '%e %U %S %M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" ||
      { echo "$name failed:"; tail -5 "$work/stderr.txt"; }
    tail -n1 "$work/time.txt" >>"$work/runs.txt"
  done
  local wall cpu peak
  wall=$(awk '{print $1}' "$work/runs.txt" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  cpu=$(awk '{print $2 + $3}' "$work/runs.txt" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
  peak=$(awk '{print $4}' "$work/runs.txt" | sort -n | tail -n1)
  results+=("$wall|$cpu|$peak|$name")
}

results=()
measure "unzip -o -q"        unzip -o -q "$archive" -d "$out"
measure "fsembed unzip"      "$fsembed" unzip "$archive" "$out"
measure "bsdtar -xf"         bsdtar -xf "$archive" -C "$out"
measure "7z x"               7z x -y -bd -o"$out" "$archive"
measure "fsembed ziplist (inflate+CRC, no writes)" "$fsembed" ziplist "$archive"

IFS='|' read -r ref_wall ref_cpu _ _ <<<"${results[0]}"
printf '%-42s %8s %8s %8s %8s %8s %8s\n' tool "wall s" "x unzip" "cpu s" "x unzip" "MB/s" "peak MB"
for r in "${results[@]}"; do
  IFS='|' read -r wall cpu peak name <<<"$r"
  awk -v n="$name" -v w="$wall" -v c="$cpu" -v m="$peak" -v rw="$ref_wall" -v rc="$ref_cpu" -v b="$bytes" \
    'BEGIN { printf "%-42s %8.2f %7.2fx %8.2f %7.2fx %8.0f %8.1f\n", n, w, w / rw, c, c / rc, (w > 0 ? b / w / 1e6 : 0), m / 1024 }'
done
echo "goals: fsembed unzip <= 0.70x of unzip's time, peak memory <= 16 MB"
