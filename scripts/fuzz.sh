#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for the
# given number of seconds from its checked-in seed corpus. New inputs go to
# build-fuzz/corpus/<name>, never into the sources. An input that crashes,
# takes over 10 s or more than 2 GB ends the run with its file in build-fuzz/.
# clang and its fuzzer runtime come from Debian's packages, installed here
# only when missing (the normal build does not need them).
# Usage: scripts/fuzz.sh <seconds> [name...]   (names: deck_file settings_ini score_grid timestamp match_file match_statistics client_message)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh <seconds> [name...]}
shift
names=("$@")
[[ ${#names[@]} -gt 0 ]] || names=(deck_file settings_ini score_grid timestamp match_file match_statistics client_message)

bash scripts/install-deps.sh clang libclang-rt-14-dev

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZAVIKO_FUZZ=ON >/dev/null
cmake --build build-fuzz -j2 --target "${names[@]/#/fuzz_}"

for name in "${names[@]}"; do
    mkdir -p "build-fuzz/corpus/$name" "build-fuzz/artifacts/$name"
    echo "== fuzz_$name for ${seconds} s"
    # A saved match carries the generator's state, some 6 KB on its own.
    max_len=4096
    [[ $name == match_file ]] && max_len=16384
    ./build-fuzz/bin/fuzz_"$name" -max_total_time="$seconds" -max_len=$max_len -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name/" \
        "build-fuzz/corpus/$name" "fuzz/corpus/$name" 2>&1 \
        | grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY|Test unit written' \
        || true
    # grep hides the run's chatter; the fuzzer's own status decides.
    [[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "fuzz_$name failed"; exit 1; }
done
