#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR (default build/) and checks it: its desktop entry,
# software centre metadata and campaign file type validate, lintian finds no error, it holds
# exactly the expected files, and its programs run from an unpacked copy.
# Usage: scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
./scripts/install-deps.sh --with-package
# Configured again so that the build finds help2man when it was installed just now.
cmake -S . -B "$build" -G Ninja
cmake --build "$build" -j "$(nproc)" --target package
packages=("$build"/tarq-campaign-editor_*.deb)
[ ${#packages[@]} -eq 1 ] || { echo "expected one package, found: ${packages[*]}" >&2; exit 1; }
deb=${packages[0]}
echo "== $deb =="
dpkg-deb --field "$deb" Package Version Architecture Section Depends Recommends

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
share=$root/usr/share

echo "== file list =="
expected=(
    usr/bin/tarq-campaign
    usr/bin/tarq-campaign-editor
    usr/share/applications/tarq-campaign-editor.desktop
    usr/share/doc/tarq-campaign-editor/changelog.gz
    usr/share/doc/tarq-campaign-editor/copyright
    usr/share/man/man1/tarq-campaign-editor.1.gz
    usr/share/man/man1/tarq-campaign.1.gz
    usr/share/metainfo/org.tarq.CampaignEditor.metainfo.xml
    usr/share/mime/packages/tarq-campaign.xml
    usr/share/tarq-campaign-editor/translations/cmp_en.qm
    usr/share/tarq-campaign-editor/translations/cmp_ru.qm
)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/tarq-campaign-editor.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . ! -type d | cut -c3- | sort)
echo "as expected: ${#expected[@]} files"

echo "== metadata =="
desktop-file-validate "$share/applications/tarq-campaign-editor.desktop"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml
xmllint --noout "$share/mime/packages/tarq-campaign.xml"
# The shared MIME database must take the type and map the campaign extension to it.
mkdir -p "$root/mime/packages"
cp "$share/mime/packages/tarq-campaign.xml" "$root/mime/packages/"
XDG_DATA_HOME=$root update-mime-database "$root/mime" 2>&1 | { ! grep .; }
grep -qx 'application/x-tarq-campaign:\*\.y6c' "$root/mime/globs"
for size in 16 256; do
    file "$share/icons/hicolor/${size}x${size}/apps/tarq-campaign-editor.png" |
        grep -q "PNG image data, $size x $size"
done

echo "== programs and manual pages =="
version=$("$root/usr/bin/tarq-campaign" --version)
[ "$version" = "$("$root/usr/bin/tarq-campaign-editor" --version | sed 's/-editor//')" ]
for page in "$share"/man/man1/*.1.gz; do
    zcat "$page" | grep -q -- "${version#* }"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null | { ! grep .; }
done
echo "$version"

echo "== lintian =="
lintian --fail-on error --display-level '>=warning' "$deb"
echo "package checks passed"
