#!/usr/bin/env bash
# Fails when a committed seed corpus differs from what its generator writes now.
# Usage: check_seeds.sh <generator> <corpus root> <target>...
set -u
generator=$1 corpus=$2
shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$generator" "$scratch" || exit 1
status=0
for target in "$@"; do
  diff -r "$scratch/$target" "$corpus/$target" || status=1
done
exit $status
