#!/usr/bin/env bash
# package.sh: builds the release Almanark.exe (optimised and stripped, with
# its version information and manifest) and makes build/dist/
# Almanark-<version>-setup.exe and Almanark-<version>-portable.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/build.sh" release
version=$(sed -n 's/^#define ALMANARK_VERSION_TEXT "\(.*\)"$/\1/p' resources/Version.h)
copyright=$(sed -n 's/^#define ALMANARK_COPYRIGHT "\(.*\)"$/\1/p' resources/Version.h)
[ -n "$version" ] || { echo "package: no version in resources/Version.h" >&2; exit 1; }
exe=$root/build/release/Almanark.exe
dist=$root/build/dist
mkdir -p "$dist"

setup=$dist/Almanark-$version-setup.exe
makensis -V2 -NOCD -DVERSION="$version" -DCOPYRIGHT="$copyright" -DEXE="$exe" \
    -DHOLIDAYS="$root/data/holidays" \
    -DICON="$root/resources/icons/Almanark.ico" -DOUTFILE="$setup" "$root/scripts/Almanark.nsi"

# The portable copy: the program with its holiday sets in a folder of its
# own; it keeps its settings in the folder it is started from.
stage=$dist/stage/Almanark-$version
rm -rf "$dist/stage" "$dist/Almanark-$version-portable.zip"
mkdir -p "$stage"
cp "$exe" "$stage/Almanark.exe"
mkdir "$stage/Holidays"
cp "$root"/data/holidays/*.evn "$stage/Holidays/"
(cd "$dist/stage" && zip -q -X -r "$dist/Almanark-$version-portable.zip" "Almanark-$version")
rm -rf "$dist/stage"
echo "package: $setup"
echo "package: $dist/Almanark-$version-portable.zip"
