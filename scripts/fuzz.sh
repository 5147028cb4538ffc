#!/usr/bin/env bash
# Builds the libFuzzer programs with clang into build-fuzz/ (or $FUZZ_BUILD_DIR)
# and runs each for SECONDS (default 60), at most two at a time, with nice.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     targets: ini project projectdata inclination layout standard
# New inputs collect in build-fuzz/corpus/<target>/ (the seeds in
# tests/fuzz/corpus/<target>/ are read, never written). An input that fails
# is left in build-fuzz/findings/<target>/: copy it into
# tests/fuzz/regressions/<target>/ once fixed, so the test suite replays it.
# Each run's last lines (executions, exec/s, coverage) go to
# build-fuzz/logs/<target>.log; the script exits 1 when any run found something.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(ini project projectdata inclination layout standard)

"$root/scripts/install-deps.sh"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DCORVANE_BUILD_TESTS=OFF >/dev/null
CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-2}" \
  nice -n 10 cmake --build "$build" --target corvane_fuzzers corvane_installation_data

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# Undefined behaviour and leaks are findings too.
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
# The toolkit's warnings about damaged input would only slow the runs down.
export CORVANE_FUZZ_QUIET=1

run_one() {
  local target="$1"
  # projectdata shares the seeds of project.
  local seeds="$root/tests/fuzz/corpus/$target"
  [ "$target" = projectdata ] && seeds="$root/tests/fuzz/corpus/project"
  local corpus="$build/corpus/$target" findings="$build/findings/$target/" log="$build/logs/$target.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  local max_len=16384
  case "$target" in project|projectdata|layout) max_len=131072 ;; esac
  # 10 s is a hang for any one input; 2 GB of memory a leak or a blow-up.
  if nice -n 10 "$build/bin/fuzz_$target" "$corpus" "$seeds" \
       -dict="$root/tests/fuzz/ini.dict" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
       -max_len="$max_len" -artifact_prefix="$findings" -print_final_stats=1 >"$log" 2>&1; then
    echo "fuzz_$target: $(grep -E '^#[0-9]+.*DONE' "$log" | tail -1 || true)"
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" | sed "s/^/  /" || true
    return 0
  fi
  echo "fuzz_$target: FOUND SOMETHING, see $log and $findings" >&2
  return 1
}

status=0
pids=()
for target in "${targets[@]}"; do
  run_one "$target" &
  pids+=($!)
  # At most two at a time: the machine has two cores.
  if [ ${#pids[@]} -ge 2 ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
