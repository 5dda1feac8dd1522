#!/usr/bin/env bash
# Builds everything and passes every test: native unit tests, fuzzers for a
# bounded time, the Windows build's checks, and the Windows tests under
# Wine 64 (x86_64 build, fresh prefix per test, virtual display).
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh || exit 1
scripts/build.sh || exit 1

status=0
step() { echo; echo "=== $1"; }

step "native unit tests"
(cd build/host && ctest --output-on-failure) || status=1

step "fuzzers (${BVT_FUZZ_SECONDS:-30} s each)"
scripts/fuzz.sh || status=1

step "Windows build checks"
scripts/check-windows-build.sh || status=1
scripts/sizes.sh

step "Windows tests under Wine"
scripts/wine-prefix.sh || status=1
(cd build/x86_64 && ctest --output-on-failure -j2) || status=1

echo
if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "SOME TEST SUITES FAILED"; fi
exit $status
