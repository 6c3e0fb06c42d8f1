#!/usr/bin/env bash
# Builds the fuzz targets of tests/fuzz with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into build-fuzz, then fuzzes each target for the
# given number of seconds (default 60), one after the other. An input that
# fails a check or trips a sanitizer is kept in build-fuzz/findings/ and the
# script fails; once fixed, add the input to tests/fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
dir=build-fuzz
targets=(taskstore setup defcfg device)

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVARDEX_SANITIZE=ON -DVARDEX_FUZZ=ON -DVARDEX_BUILD_BENCH=OFF
cmake --build "$dir" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:detect_odr_violation=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$dir/findings"
status=0
for target in "${targets[@]}"; do
  # New inputs go to a scratch folder; the kept corpus is only read.
  scratch=$(mktemp -d)
  log="$dir/findings/$target.log"
  if "$dir/bin/fuzz_$target" -dict=tests/fuzz/xml.dict -max_total_time="$seconds" -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$dir/findings/$target-" \
      "$scratch" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    echo "fuzz_$target: $(grep -m1 '^stat::number_of_executed_units' "$log"), nothing found"
  else
    echo "fuzz_$target: FAILED"
    grep -E 'ERROR|SUMMARY|fuzz check|Test unit written' "$log" || tail -20 "$log"
    status=1
  fi
  rm -rf "$scratch"
done
exit $status
