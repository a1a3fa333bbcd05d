#!/usr/bin/env bash
# Keeps a picture of every window in a fixed set of states, at design size, on the sample tree and
# on the full tree of a built build folder, into OUTDIR:
#   scripts/window-pictures.sh OUTDIR [BUILD]
# Two runs compared picture by picture (compare -metric AE) show whether a change altered a pixel.
set -euo pipefail
out=${1:?usage: window-pictures.sh OUTDIR [BUILD]}
build=${2:-build}
admin="$build/src/taxel-admin"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$out"

picture() { # NAME TREE COMMAND STEP...
    local name=$1 tree=$2
    shift 2
    TAXEL_SCREENSHOT="$out/$name.png" "$admin" --root "$tree" "$@" >/dev/null 2>&1 || true
}

# the trees are copied first: the practice window writes the review set as it goes, and every run
# starts from the same files
trees=${TMPDIR:-/tmp}/taxel-window-pictures
rm -rf "$trees" && mkdir -p "$trees"
trap 'rm -rf "$trees"' EXIT
for tree in sample ndc9; do
    cp -r "$build/$tree" "$trees/$tree"
done

for tree in sample ndc9; do
    root="$trees/$tree"
    picture "$tree-analyze-empty" "$root" analyze
    picture "$tree-analyze-319.1053" "$root" analyze enter:319.1053 pick:0 reanalyze
    picture "$tree-analyze-913.6" "$root" analyze enter:913.6 pick:0
    picture "$tree-koumoku-empty" "$root" koumoku
    picture "$tree-koumoku-library" "$root" koumoku query:図書館 hit:0 hint:1 answer:1
    picture "$tree-practice-empty" "$root" practice
    picture "$tree-practice-kihon" "$root" practice --seed 3 set:kihon ask answer:1
    picture "$tree-practice-rui9" "$root" practice --seed 3 set:rui9 count:3 ask type:1:913 type:2:123
    picture "$tree-study-empty" "$root" study
    picture "$tree-study-rui3" "$root" study set:rui3 topic:1
done
echo "$(find "$out" -name '*.png' | wc -l) pictures in $out"
