#!/usr/bin/env bash
# Builds everything but the benchmarks with AddressSanitizer and
# UndefinedBehaviorSanitizer (the "sanitize" preset) and runs the suite there.
# Any sanitizer report fails the test that triggered it.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-sanitize"
cd "$root"

# Concurrent ./test runs share this build directory; one runs at a time.
mkdir -p "$build"
(
    flock 9
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize --parallel "$(nproc)"
    ctest --preset sanitize --parallel "$(nproc)"
) 9>"$build/.lock"
