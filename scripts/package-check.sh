#!/usr/bin/env bash
# Makes the Debian package in a configured and built build folder and checks it as a user who
# installs it meets it, without root:
#  1. cpack -G DEB; the package holds the programs, the default tree, the menu entry, the icon,
#     the metadata and the documents, and depends on the packages of the libraries it links;
#  2. unpacked with dpkg -x: the menu entry and the AppStream metadata validate;
#  3. lintian reports no error;
#  4. the unpacked taxel-admin, started from a folder without StudyTaxel/ by a user with a fresh
#     home, copies nothing, finds the NDC 9 items for 図書館 in the installed tree (itself and
#     through its window helper), saves progress into the user's data folder alone, and a second
#     user sees the same data; the installed tree is never written; a user's folder stays small.
#   scripts/package-check.sh [BUILD_FOLDER]      (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=$(realpath "${1:-build}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "package check: $*" >&2
    exit 1
}

rm -f "$build"/taxel_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$build"/taxel_*_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "cpack made no taxel_<version>_<arch>.deb"
echo "== $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB, installed $(dpkg-deb -f "$deb" Installed-Size) KiB"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6pdfwidgets6 fonts-ipafont-gothic; do
    [[ $depends == *"$package"* ]] || fail "Depends lacks $package: $depends"
done

root=$work/root
dpkg -x "$deb" "$root"
for file in usr/bin/taxel usr/bin/taxel-admin usr/lib/taxel/taxel-admin-windows \
    usr/share/taxel/StudyTaxel/Koumoku_All.csv usr/share/taxel/StudyTaxel/KoumokuIndex \
    usr/share/taxel/StudyTaxel/Bin usr/share/applications/taxel.desktop \
    usr/share/icons/hicolor/scalable/apps/taxel.svg usr/share/icons/hicolor/48x48/apps/taxel.png \
    usr/share/icons/hicolor/256x256/apps/taxel.png usr/share/doc/taxel/copyright \
    usr/share/doc/taxel/README.md usr/share/doc/taxel/CREDITS.md; do
    [ -e "$root/$file" ] || fail "the package lacks /$file"
done
grep -qx 'Exec=taxel' "$root/usr/share/applications/taxel.desktop" || fail "the menu entry must start taxel plainly"

echo "== desktop-file-validate, appstreamcli validate"
desktop-file-validate "$root/usr/share/applications/taxel.desktop"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

echo "== lintian"
status=0
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$work/lintian.log" || true
[ $status -eq 0 ] || fail "lintian reports errors"

echo "== the unpacked console with a fresh home"
home=$work/home
mkdir -p "$home" "$work/elsewhere"
admin() {
    (cd "$work/elsewhere" && env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
        "$root/usr/bin/taxel-admin" "$@")
}
user=$home/.local/share/Taxel
snapshot() { (cd "$root/usr/share/taxel" && find . -type f -printf '%p %s %T@\n' | sort | md5sum); }
installed_before=$(snapshot)
start=$(date +%s%N)
admin --json search 図書館 >"$work/search.json"
echo "first start with a fresh home: $((($(date +%s%N) - start) / 1000000)) ms"
[ -z "$(find "$home" -type f 2>/dev/null)" ] || fail "the first start wrote: $(find "$home" -type f | head -3)"
grep -q '"[0-9]*,図書館,トショカン,総記,図書館．図書館学,010,' "$work/search.json" ||
    fail "search 図書館 finds no NDC 9 item: $(head -c 400 "$work/search.json")"
admin --json koumoku query:図書館 | grep -q '図書館学,010,' || fail "the window helper finds no item"
admin practice set:kihon start:3 save >/dev/null
[ "$(tr -d '\r\n' <"$user/StudyTaxel/ReidaiData/study_kihon.txt")" = 3 ] || fail "progress was not saved into the user's folder"
[ ! -e "$root/usr/share/taxel/StudyTaxel/ReidaiData/study_kihon.txt" ] || fail "progress went into the installed tree"
[ "$(find "$user" -type f | wc -l)" -le 2 ] || fail "the user's folder holds more than the learner's files: $(find "$user" -type f | head)"
echo "the user's folder after a saved progress: $(du -sk "$user" | cut -f1) KiB"
[ "$(du -sk "$user" | cut -f1)" -lt 100 ] || fail "the user's folder takes 100 KiB or more"

second=$work/home2
mkdir -p "$second"
(cd "$work/elsewhere" && env -u XDG_DATA_HOME HOME="$second" QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/taxel-admin" --json search 図書館) | cmp -s - "$work/search.json" || fail "a second user sees other data"
[ "$(snapshot)" = "$installed_before" ] || fail "the installed tree was written"
echo "package check passed"
