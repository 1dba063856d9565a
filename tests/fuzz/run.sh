#!/usr/bin/env bash
# Fuzzes the summary file reader for N runs (default 1,000,000) with AddressSanitizer
# and UndefinedBehaviorSanitizer under a 256 MB memory limit, at the lowest priority.
# Builds with clang into build-fuzz/; new inputs go to build-fuzz/corpus, the seeds stay as they are.
set -euo pipefail
runs=${1:-1000000}
here=$(cd "$(dirname "$0")/../.." && pwd)
build="$here/build-fuzz"
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUBREL_FUZZ=ON > /dev/null
nice -n 19 cmake --build "$build" -j2 --target summaryfile_fuzzer
mkdir -p "$build/corpus"
cd "$build"
# AddressSanitizer keeps freed memory in quarantine, 256 MB of it by default: a smaller
# quarantine, memory handed back to the system and shorter allocation stacks keep the
# whole process within the memory limit.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:allocator_release_to_os_interval_ms=500:malloc_context_size=8}
time nice -n 19 "$build/bin/summaryfile_fuzzer" -runs="$runs" -rss_limit_mb=256 -print_final_stats=1 \
    "$build/corpus" "$here/tests/fuzz/corpus"
