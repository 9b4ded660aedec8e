#!/usr/bin/env bash
# The demo: compares the sample drawings the project ships, a floor plan and
# its revision, with dwgcompare, and writes the result drawing, its pictures
# and the report to demo-out/.
#   tools/demo.sh [BUILD_DIR]    (BUILD_DIR defaults to build)
set -euo pipefail
build=${1:-build}
cd "$(dirname "$0")/.."

dwgcompare="$build/bin/dwgcompare"
if [ ! -x "$dwgcompare" ]; then
  echo "demo: $dwgcompare is missing; build the project first (./run build)" >&2
  exit 1
fi

file1=samples/plan.dxf
file2=samples/plan_revised.dxf
out=demo-out
mkdir -p "$out"
# No summary of an earlier run's files.
rm -f "$out/result.dxf" "$out/result.png" "$out/result.svg" "$out/report.json"

echo "== dwgcompare $file1 $file2"
status=0
"$dwgcompare" "$file1" "$file2" -o "$out/result.dxf" --png "$out/result.png" --svg "$out/result.svg" \
  --json "$out/report.json" || status=$?
if [ "$status" -ne 0 ]; then
  echo "demo: dwgcompare failed (exit status $status)" >&2
  exit "$status"
fi

echo
echo "== Demo summary"
echo "Written to $out/:"
for f in result.dxf:"the result drawing (open it in a CAD program)" result.png:"picture of the result" \
         result.svg:"picture of the result, scalable" report.json:"the report"; do
  name=${f%%:*}
  if [ -s "$out/$name" ]; then
    printf '  %-12s %s\n' "$name" "${f#*:}"
  else
    printf '  %-12s MISSING\n' "$name"
  fi
done

if [ ! -x /usr/bin/python3 ]; then
  echo "(/usr/bin/python3 is missing: see $out/report.json for the counts)"
  exit 0
fi
/usr/bin/python3 - "$out/report.json" <<'EOF'
import json
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    report = json.load(f)

for n in (1, 2):
    info = report.get(f"file{n}", {})
    print(f"File {n}: {info.get('fileName', '?')}, saved by {info.get('savedBy') or '?'} on {info.get('dateSaved') or '?'}")

counts = report["counts"]
print("Objects:")
print(f"  only in File 1 (green) {counts['file1Only']:5}")
print(f"  only in File 2 (red)   {counts['file2Only']:5}")
print(f"  in both (grey)         {counts['shared']:5}")

by_class = report.get("byClass", {})
if by_class:
    keys = ("file1Only", "file2Only", "shared")
    print("By class (File 1 only, File 2 only, both):")
    for name, c in sorted(by_class.items()):
        if isinstance(c, dict) and all(k in c for k in keys):
            print(f"  {name:24}" + "".join(f"{c[k]:5}" for k in keys))
        else:
            print(f"  {name:24} {json.dumps(c)}")

unsupported = report.get("unsupported", [])
if unsupported:
    print("Not compared: " + ", ".join(str(u) for u in unsupported))
EOF
