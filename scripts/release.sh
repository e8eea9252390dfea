#!/usr/bin/env bash
# Builds tintavo.exe from the committed tree with the windows preset and writes the release:
# dist/tintavo-<version>-win64.zip (tintavo.exe, LICENSE, README.txt) and dist/SHA256SUMS (the
# zip and the exe). Two runs on one commit give the same bytes, in any folder and at any time.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# The archive must be exactly a commit, so that anyone can rebuild it from the source.
changes=$(git status --porcelain --untracked-files=no)
if [[ -n $changes ]]; then
    echo "release.sh: tracked files have uncommitted changes:" >&2
    echo "$changes" >&2
    echo "Commit or stash them first: the archive must be exactly a commit. Nothing was written." >&2
    exit 1
fi

bash scripts/deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target tintavo

version=$(sed -n 's/^#define TINTAVO_VERSION_STRING "\(.*\)"$/\1/p' resources/version.h)
if [[ -z $version ]]; then
    echo "release.sh: no TINTAVO_VERSION_STRING in resources/version.h" >&2
    exit 1
fi
archive=tintavo-$version-win64.zip
commit_time=$(git log -1 --format=%ct)

# Everything is made in a folder of its own and moved into dist/ only when whole.
mkdir -p build
stage=$(mktemp -d build/release.XXXXXX)
trap 'rm -rf "$stage"' EXIT
cp build/windows/tintavo.exe "$stage/tintavo.exe"
# Notepad before Windows 10 1809 shows LF-only text as one line.
sed 's/$/\r/' LICENSE >"$stage/LICENSE"
cp release/README.txt "$stage/README.txt"

# The entries carry the commit's time and fixed modes, not those of this checkout; zip stores
# local time, hence UTC. -X leaves out the owner and the extra time fields, -D directory entries.
chmod 755 "$stage/tintavo.exe"
chmod 644 "$stage/LICENSE" "$stage/README.txt"
touch -d "@$commit_time" "$stage/tintavo.exe" "$stage/LICENSE" "$stage/README.txt"
(cd "$stage" && TZ=UTC zip -q -X -D "$archive" tintavo.exe LICENSE README.txt)
(cd "$stage" && sha256sum "$archive" tintavo.exe >SHA256SUMS)

# The old sums go first, so that an interrupted run never leaves sums that do not match.
mkdir -p dist
rm -f dist/SHA256SUMS
mv "$stage/$archive" "dist/$archive"
mv "$stage/SHA256SUMS" dist/SHA256SUMS
echo "Wrote dist/$archive and dist/SHA256SUMS for commit $(git rev-parse --short HEAD):"
cat dist/SHA256SUMS
