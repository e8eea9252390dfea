#!/usr/bin/env bash
# Checks the release after the windows build: tintavo.exe built a second time, from a copy of
# the sources in another folder, is the same file as build/windows/tintavo.exe; and the archive
# of scripts/release.sh holds exactly tintavo.exe, LICENSE and README.txt.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

first=build/windows/tintavo.exe
other=$(mktemp -d)
trap 'rm -rf "$other"' EXIT

# The sources as they are now, committed or not, without the builds.
tar -c --exclude=./.git --exclude=./build --exclude=./dist . | tar -x -C "$other"
(cd "$other" && cmake --preset windows >/dev/null && cmake --build --preset windows -j2 --target tintavo)
second=$other/build/windows/tintavo.exe
echo "release: comparing $first with a second build in another folder, $second"
if ! cmp "$first" "$second"; then
    echo "release: FAILED: two builds of the same sources differ, so a published tintavo.exe" \
        "could not be checked against its source" >&2
    exit 1
fi
echo "release: the two builds are the same file, SHA-256 $(sha256sum <"$first" | cut -d' ' -f1)"

# scripts/release.sh packages only a commit; with changes in tracked files it would refuse.
if [[ -n $(git status --porcelain --untracked-files=no) ]]; then
    echo "release: archive not checked: tracked files have uncommitted changes"
    exit 0
fi
bash scripts/release.sh
version=$(sed -n 's/^#define TINTAVO_VERSION_STRING "\(.*\)"$/\1/p' resources/version.h)
archive=dist/tintavo-$version-win64.zip
entries=$(unzip -Z1 "$archive")
echo "release: $archive holds: ${entries//$'\n'/, }"
if [[ $entries != $'tintavo.exe\nLICENSE\nREADME.txt' ]]; then
    echo "release: FAILED: $archive must hold exactly tintavo.exe, LICENSE and README.txt," \
        "in that order, at its top level" >&2
    exit 1
fi
