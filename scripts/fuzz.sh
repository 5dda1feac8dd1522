#!/usr/bin/env bash
# Runs every fuzz target for a bounded time (BVT_FUZZ_SECONDS, default 30)
# from its seed corpus. A crash fails the run and leaves the input in
# build/fuzz/crashes/.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${BVT_FUZZ_SECONDS:-30}
mkdir -p build/fuzz/crashes
passed=0 failed=0
for exe in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$exe" ] || continue
  name=$(basename "$exe")
  seeds=tests/fuzz/corpus/$name
  work=build/fuzz/corpus/$name
  mkdir -p "$work"
  args=("$work")
  [ -d "$seeds" ] && args+=("$seeds")
  if "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -artifact_prefix=build/fuzz/crashes/"$name"- \
       "${args[@]}" >build/fuzz/$name.log 2>&1; then
    echo "fuzz $name: ok ($(grep -o 'Done [0-9]* runs in [0-9]* second(s)' build/fuzz/$name.log | tail -n1))"
    passed=$((passed + 1))
  else
    echo "fuzz $name: FAILED"; tail -n 40 build/fuzz/$name.log
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
