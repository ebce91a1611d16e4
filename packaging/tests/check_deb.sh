#!/usr/bin/env bash
# check_deb.sh <package folder> <package name> <program:id:version:categories>...
#
# Checks the .deb that CPack made: its dependencies name Qt, the C++ run time and the fonts,
# and it holds every program's files under /usr. Then, as root with dpkg at hand, installs it,
# checks that the programs and their files are in place and find all their libraries, removes
# it and checks that nothing is left. Without root the install is skipped (exit code 77).
set -uo pipefail

package_dir=$1
name=$2
shift 2
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    if ((failures > 0)); then
        echo "$failures check(s) failed"
        exit 1
    fi
}

debs=("$package_dir"/"$name"_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
    echo "FAIL: expected one $name package in $package_dir, found: ${debs[*]}"
    exit 1
fi
deb=${debs[0]}
echo "== $deb"

[[ $(dpkg-deb --field "$deb" Package) == "$name" ]] || fail "the package is not named $name"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
depended_on=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6 \
    fonts-dejavu-core fonts-comic-neue fonts-liberation2; do
    grep -qxF "$needed" <<<"$depended_on" || fail "Depends does not name $needed"
done

contents=$(dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./|/|')
installed_files=()
for entry in "$@"; do
    IFS=: read -r program id _ _ <<<"$entry"
    installed_files+=(/usr/bin/"$program"
        /usr/share/applications/"$id".desktop
        /usr/share/metainfo/"$id".metainfo.xml
        /usr/share/icons/hicolor/scalable/apps/"$id".svg
        /usr/share/icons/hicolor/48x48/apps/"$id".png)
done
for file in "${installed_files[@]}"; do
    grep -qx "$file" <<<"$contents" || fail "the package does not hold $file"
done
finish

if ((EUID != 0)) || ! command -v dpkg >/dev/null; then
    echo "SKIPPED: installing and removing $name needs root and dpkg; contents checked only"
    exit 77
fi

if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "ok installed"; then
    echo "note: $name was installed before this test; it is replaced, and removed at the end"
fi

echo "== dpkg -i"
installed=0
remove() {
    ((installed)) && dpkg -r "$name" >/dev/null 2>&1
    installed=0
}
trap remove EXIT
if ! dpkg -i "$deb"; then
    fail "dpkg -i $deb failed"
    dpkg -r "$name" >/dev/null 2>&1
    finish
fi
installed=1
for file in "${installed_files[@]}"; do
    [[ -f $file ]] || fail "$file is missing after dpkg -i"
done
for entry in "$@"; do
    IFS=: read -r program _ _ _ <<<"$entry"
    missing=$(ldd /usr/bin/"$program" | grep "not found")
    [[ -z $missing ]] || fail "/usr/bin/$program misses libraries: $missing"
done

echo "== dpkg -r"
if ! dpkg -r "$name"; then
    fail "dpkg -r $name failed"
fi
installed=0
status=$(dpkg-query -W -f='${Status}' "$name" 2>/dev/null || true)
[[ $status != *"ok installed"* ]] || fail "$name is still installed: $status"
for file in "${installed_files[@]}"; do
    [[ ! -e $file ]] || fail "$file is left after dpkg -r"
done
finish
echo "$name: contents and dependencies right; installs and removes cleanly"
