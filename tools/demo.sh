#!/usr/bin/env bash
# The demo: the sample drawings the project ships, read and summarised by odtool.
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."
mkdir -p demo-out
for f in samples/plan.dxf samples/plan_revised.dxf; do
  echo "== $f"
  "$build/bin/odtool" info "$f"
  "$build/bin/odtool" roundtrip "$f" "demo-out/$(basename "$f" .dxf)_roundtrip.dxf"
done
echo "Round-tripped copies are in demo-out/."
