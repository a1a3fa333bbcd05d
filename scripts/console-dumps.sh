#!/usr/bin/env bash
# Writes the console's dump of a fixed set of window scenarios into OUTDIR, one file per scenario,
# on the sample tree and on the full tree of a built build folder:
#   scripts/console-dumps.sh OUTDIR [BUILD]
# Two runs compared with `diff -r` show whether a change altered what any window shows.
set -euo pipefail
out=${1:?usage: console-dumps.sh OUTDIR [BUILD]}
build=${2:-build}
admin="$build/src/taxel-admin"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$out"

dump() { # NAME TREE COMMAND STEP...
    local name=$1 tree=$2
    shift 2
    "$admin" --root "$tree" --json "$@" >"$out/$name.json" 2>"$out/$name.err" || echo "exit $?" >>"$out/$name.err"
}

numbers() { # the class numbers of the schedule and section files of TREE, every STEP-th
    local tree=$1 step=$2
    cat "$tree"/StudyTaxel/TaxelData/Saimoku_*.txt "$tree"/StudyTaxel/TaxelData/Youmoku_*.txt \
        | iconv -f CP932 -t UTF-8 2>/dev/null | tr -d '\r' | cut -d, -f1 | tr -d '/' | sort -u | awk -v s="$step" 'NR % s == 0'
}

# the trees are copied first: the practice window writes the review set as it goes, and every run
# starts from the same files
trees=${TMPDIR:-/tmp}/taxel-console-dumps # a fixed place: the dumps name the files they show
rm -rf "$trees" && mkdir -p "$trees"
trap 'rm -rf "$trees"' EXIT
for tree in sample ndc9; do
    cp -r "$build/$tree" "$trees/$tree"
done

for tree in sample ndc9; do
    root="$trees/$tree"
    step=1
    [ "$tree" = ndc9 ] && step=60
    for n in $(numbers "$root" "$step"); do
        dump "$tree-analyze-$n" "$root" analyze "enter:$n" pick:0
    done
    for n in 210 210.1 319.1053 913.6 302.1 291.36 520.253 018 311.1 810 933.7 332.1 302.121 829.1 520.36; do
        dump "$tree-analyze-steps-$n" "$root" analyze "enter:$n" pick:0 reanalyze sanzi:0 untick:CBkeisikiCH \
            tick:CBkeisikiCH tick:CBtiriCH closenotes close open
        dump "$tree-analyze-entry-$n" "$root" analyze "enter:$n"
    done
    for e in "" 21 2101 21.01 abc 9999 "210,1"; do
        dump "$tree-analyze-bad-$e" "$root" analyze "enter:$e"
    done
    dump "$tree-analyze-reset" "$root" analyze enter:319.1053 pick:0 reset

    for q in 図書館 "日本 史" 歴史 経済 学校図書館 zz; do
        dump "$tree-koumoku-$q" "$root" koumoku "query:$q" hit:0 hint:1 answer:1 hint:2 answer:2
        dump "$tree-koumoku-or-$q" "$root" koumoku andor "query:$q" exact hit:1 close open
    done

    for s in kihon ouyou hojo rui0 rui1 rui2 rui3 rui4 rui5 rui6 rui7 rui8 rui9; do
        dump "$tree-practice-$s" "$root" practice --seed 7 "set:$s" count:3 ask hint:1 answer:1 hint:2 answer:2 \
            type:1:017 type:2:913.6 type:3:abc
        dump "$tree-practice-$s-more" "$root" practice --seed 11 "set:$s" start:2 ask back ask reset ask answer:1
    done
    for t in 0 1 2 3 4 5 6 7 8 9 -1; do
        dump "$tree-practice-table-$t" "$root" practice --seed 3 set:hojo "table:$t" count:2 ask hint:1 answer:2
    done

    for s in kihon ouyou hojo rui0 rui1 rui2 rui3 rui4 rui5 rui6 rui7 rui8 rui9; do
        dump "$tree-study-$s" "$root" study "set:$s" topic:0 topic:1 close open
    done
done
echo "$(find "$out" -name '*.json' | wc -l) dumps in $out"
