#!/usr/bin/env bash
# check_installed_tree.sh <prefix> <program:id:version:categories>...
#
# Checks a tree made by `cmake --install --prefix <prefix>`: for each program given, the program
# in bin/, its desktop entry, AppStream metainfo, scalable icon and 48x48 PNG icon, and nothing
# else besides them; the desktop entries and the metainfo pass desktop-file-validate and
# `appstreamcli validate`, and say what the program is: its command, icon, menu categories,
# desktop id and version.
set -uo pipefail

prefix=$1
shift
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The width and height a PNG file declares in its header, "W H"; empty when it is no PNG.
png_size() {
    local signature
    signature=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
    [[ $signature == 89504e470d0a1a0a ]] || return 0
    od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4,
                                              $5*16777216 + $6*65536 + $7*256 + $8 }'
}

expected_files=()
for entry in "$@"; do
    IFS=: read -r program id version categories <<<"$entry"
    echo "== $program ($id, version $version)"
    desktop=share/applications/$id.desktop
    metainfo=share/metainfo/$id.metainfo.xml
    svg=share/icons/hicolor/scalable/apps/$id.svg
    png=share/icons/hicolor/48x48/apps/$id.png
    expected_files+=("bin/$program" "$desktop" "$metainfo" "$svg" "$png")

    for file in "bin/$program" "$desktop" "$metainfo" "$svg" "$png"; do
        [[ -f $prefix/$file ]] || fail "$file is not installed"
    done
    [[ -x $prefix/bin/$program ]] || fail "bin/$program is not executable"

    if [[ -f $prefix/$desktop ]]; then
        desktop-file-validate "$prefix/$desktop" || fail "$desktop does not validate"
        grep -qx "Exec=$program" "$prefix/$desktop" || fail "$desktop does not start $program"
        grep -qx "Icon=$id" "$prefix/$desktop" || fail "$desktop does not name the icon $id"
        grep -qx "Categories=${categories//,/;};" "$prefix/$desktop" ||
            fail "$desktop is not in the categories $categories"
        grep -qE "^Name=.+" "$prefix/$desktop" || fail "$desktop has no Name"
        grep -qE "^Comment=.+" "$prefix/$desktop" || fail "$desktop has no Comment"
    fi
    if [[ -f $prefix/$metainfo ]]; then
        appstreamcli validate --no-net --strict "$prefix/$metainfo" ||
            fail "$metainfo does not validate"
        grep -q "<id>$id</id>" "$prefix/$metainfo" || fail "$metainfo is not for $id"
        grep -q "<release version=\"$version\"" "$prefix/$metainfo" ||
            fail "$metainfo does not announce version $version"
        grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" ||
            fail "$metainfo does not launch $id.desktop"
        grep -q "<binary>$program</binary>" "$prefix/$metainfo" ||
            fail "$metainfo does not provide the command $program"
    fi
    if [[ -f $prefix/$svg ]]; then
        grep -q "<svg" "$prefix/$svg" || fail "$svg is no SVG picture"
    fi
    if [[ -f $prefix/$png ]]; then
        size=$(png_size "$prefix/$png")
        [[ $size == "48 48" ]] || fail "$png is not a 48x48 PNG (size: '${size:-not a PNG}')"
    fi
done

echo "== nothing else is installed"
unexpected=$(comm -13 <(printf '%s\n' "${expected_files[@]}" | sort) \
    <(cd "$prefix" && find . -type f -printf '%P\n' | sort))
[[ -z $unexpected ]] || fail "files installed that belong to no program: $unexpected"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree in $prefix: $# program(s), all files present and valid"
