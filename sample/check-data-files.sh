#!/bin/sh
# The data files listed in DataFiles.cmake are exactly those of sample/StudyTaxel and
# data/ndc9/StudyTaxel, so that the build remakes the trees when any of them changes.
# usage: check-data-files.sh SOURCE_DIR
set -eu
src=$1
listed() { sed -n "/^set($1/,/^)/p" "$src/sample/DataFiles.cmake" | sed '1d;$d;s/^ *//' | LC_ALL=C sort; }
present() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }
status=0
listed sample_files >/tmp/taxel-listed.$$; present "$src/sample/StudyTaxel" >/tmp/taxel-present.$$
if ! diff -u /tmp/taxel-listed.$$ /tmp/taxel-present.$$; then
    echo "sample/DataFiles.cmake does not list the files of sample/StudyTaxel (above: - listed, + present)"
    status=1
fi
listed ndc9_files >/tmp/taxel-listed.$$; present "$src/data/ndc9/StudyTaxel" >/tmp/taxel-present.$$
if ! diff -u /tmp/taxel-listed.$$ /tmp/taxel-present.$$; then
    echo "sample/DataFiles.cmake does not list the files of data/ndc9/StudyTaxel (above: - listed, + present)"
    status=1
fi
rm -f /tmp/taxel-listed.$$ /tmp/taxel-present.$$
exit $status
