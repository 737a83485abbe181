#!/bin/sh
# Runs a libFuzzer target over its seeds for SECONDS (FUZZ_SECONDS where
# set). What it adds to the corpus, and the files the target writes (under
# TMPDIR), go to the run's own folder, never to the seeds; an input that
# breaks an invariant is kept in FINDINGS, and the run fails.
# Usage: run.sh TARGET SEEDS SECONDS FINDINGS
set -eu
. "$(dirname "$0")/../../scripts/harness.sh"
mkdir -p "$run_folder/corpus" "$4"
waited env TMPDIR="$run_folder" "$1" -max_total_time="${FUZZ_SECONDS:-$3}" -timeout=10 \
  -artifact_prefix="$4/${1##*/}-" "$run_folder/corpus" "$2"
