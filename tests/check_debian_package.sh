#!/usr/bin/env bash
# check_debian_package.sh BUILD_DIR SCRATCH_DIR SOURCE_DIR
#
# Builds the Debian package from BUILD_DIR's CPack set-up into SCRATCH_DIR
# (never over the build's own package), then checks what it holds and what
# lintian says of it. Exits 77, a skip, only when lintian is missing.
set -euo pipefail

build=$1
scratch=$2
source=$3

if ! command -v lintian >/dev/null; then
    echo "SKIP: lintian is not installed (tools/install-deps installs it)"
    exit 77
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
shopt -s nullglob
debs=("$scratch"/tolvane_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    cat "$scratch/cpack.log"
    echo "FAIL: expected one package in $scratch, found ${#debs[@]}"
    exit 1
fi
deb=${debs[0]}
echo "package: $deb"

# The control fields: the version the game and its metainfo announce, the
# games section, the libraries found in the binary and the run-time packages.
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "tolvane_${version}_${arch}.deb" ] || fail "file name $(basename "$deb") for version $version on $arch"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The names alone, one a line, without versions.
names=$(sed 's/ *([^)]*)//g; s/, */\n/g' <<<"$depends")
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
        qt6-qpa-plugins qt6-wayland qt6-translations-l10n fonts-liberation2 fonts-lobster; do
    grep -Fxq "$package" <<<"$names" || fail "Depends lacks $package"
done

# The files, unpacked as dpkg would install them.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
for file in usr/games/tolvane \
        usr/share/applications/fr.korvath.tolvane.desktop \
        usr/share/metainfo/fr.korvath.tolvane.metainfo.xml \
        usr/share/icons/hicolor/16x16/apps/fr.korvath.tolvane.png \
        usr/share/icons/hicolor/24x24/apps/fr.korvath.tolvane.png \
        usr/share/icons/hicolor/32x32/apps/fr.korvath.tolvane.png \
        usr/share/icons/hicolor/48x48/apps/fr.korvath.tolvane.png \
        usr/share/icons/hicolor/64x64/apps/fr.korvath.tolvane.png \
        usr/share/icons/hicolor/128x128/apps/fr.korvath.tolvane.png \
        usr/share/icons/hicolor/256x256/apps/fr.korvath.tolvane.png \
        usr/share/icons/hicolor/scalable/apps/fr.korvath.tolvane.svg \
        usr/share/man/man6/tolvane.6.gz \
        usr/share/man/fr/man6/tolvane.6.gz \
        usr/share/doc/tolvane/copyright \
        usr/share/doc/tolvane/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/games/tolvane" ] || fail "/usr/games/tolvane is not executable"
[ ! -e "$root/usr/bin" ] || fail "the package still has /usr/bin: $(ls "$root/usr/bin")"
# The menu starts the program by name: it must be the one in /usr/games.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/fr.korvath.tolvane.desktop")
[ -x "$root/usr/games/${exec_line%% *}" ] || fail "the desktop entry's Exec=$exec_line is not /usr/games/${exec_line%% *}"
cmp -s "$root/usr/share/doc/tolvane/copyright" "$source/packaging/debian/copyright" \
    || fail "the copyright differs from packaging/debian/copyright"

# One version everywhere: the package, its changelog, the metainfo's release.
changelog_version=$(gzip -dc "$root/usr/share/doc/tolvane/changelog.gz" | sed -n '1s/^tolvane (\([^)]*\)).*/\1/p')
[ "$changelog_version" = "$version" ] || fail "the changelog's last entry is ${changelog_version:-missing}, the package $version"
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/fr.korvath.tolvane.metainfo.xml" \
    || fail "the metainfo has no release $version"

# What a software centre's catalogue makes of the installed files: no error,
# no warning, and the icon found at the sizes the centres show.
compose=$scratch/appstream
if ! appstreamcli compose --no-color --no-net --print-report=full --origin=tolvane \
        --result-root="$compose" --hints-dir="$compose/hints" "$root" >"$scratch/compose.log" 2>&1; then
    fail "appstreamcli compose fails (appstream-compose is installed by tools/install-deps)"
fi
cat "$scratch/compose.log"
grep -Eq '^ *(E|W): ' "$scratch/compose.log" && fail "appstreamcli compose reports errors or warnings"
catalogue=$compose/usr/share/swcatalog/xml/tolvane.xml.gz
for size in 64 128; do
    gzip -dc "$catalogue" 2>/dev/null | grep -q "<icon type=\"cached\" width=\"$size\"" \
        || fail "the catalogue has no $size px icon"
done

# Debian's verdict: informational tags are fine, errors and warnings are not.
status=0
lintian --no-cfg --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 || status=$?
cat "$scratch/lintian.log"
if [ "$status" -ne 0 ] || grep -Eq '^[EW]: ' "$scratch/lintian.log"; then
    fail "lintian exits with $status: errors, warnings, or lintian itself failed"
fi

[ "$failures" -eq 0 ] || exit 1
echo "the package is complete and lintian-clean"
