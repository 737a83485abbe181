#!/bin/sh
# Runs a libFuzzer target over its seeds for SECONDS (FUZZ_SECONDS where
# set). What it adds to the corpus, and the files the target writes (under
# TMPDIR), go to a folder of this run, never to the seeds; an input that
# breaks an invariant is kept in FINDINGS, and the run fails.
# Usage: run.sh TARGET SEEDS SECONDS FINDINGS
set -eu
work=$(mktemp -d "${TMPDIR:-/tmp}/fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
trap 'exit 1' INT TERM HUP
mkdir -p "$work/corpus" "$4"
TMPDIR=$work "$1" -max_total_time="${FUZZ_SECONDS:-$3}" -timeout=10 -artifact_prefix="$4/${1##*/}-" "$work/corpus" "$2"
