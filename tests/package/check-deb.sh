#!/usr/bin/env bash
# Checks the Debian package that `make deb` built in BUILD: its file name, its
# control fields, the files it puts under /usr, that the program in it runs,
# and that lintian finds no error in it (its warnings are shown).
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)

fail() {
  echo "check-deb: $*" >&2
  exit 1
}

version=$("$build/tessivar" --version | awk '{print $2}')
arch=$(dpkg --print-architecture)
deb=$build/tessivar_${version}_${arch}.deb
[ -f "$deb" ] || fail "no package named $deb"
dpkg-deb --info "$deb"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tessivar ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture), not $arch"
# dpkg-shlibdeps' share of the dependencies, and the display plugin named by hand.
depends=$(field Depends)
depended=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6opengl6 qt6-qpa-plugins; do
  grep -qxF "$package" <<<"$depended" || fail "Depends lacks $package: $depends"
done
# The changelog's latest entry is this version, as the description's latest release.
latest=$(grep -o 'release version="[^"]*"' "$root/assets/desktop/org.tessivar.Tessivar.metainfo.xml" | head -1)
[ "$latest" = "release version=\"$version\"" ] || fail "the metainfo's latest release is not $version: $latest"
[ "$(head -1 "$root/packaging/changelog")" = "tessivar ($version) unstable; urgency=medium" ] ||
  fail "the changelog's latest entry is not $version"

# Every entry belongs to root and lies under /usr/bin or /usr/share.
listing=$(dpkg-deb --contents "$deb")
echo "$listing"
awk '$2 != "root/root" { print; bad = 1 } END { exit bad }' <<<"$listing" || fail "entries not owned by root"
files=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
strays=$(grep -vE '^\./usr/(bin|share)/' <<<"$files" || true)
[ -z "$strays" ] || fail "files outside /usr/bin and /usr/share: $strays"
required=(
  ./usr/bin/tessivar
  ./usr/share/applications/org.tessivar.Tessivar.desktop
  ./usr/share/metainfo/org.tessivar.Tessivar.metainfo.xml
  ./usr/share/mime/packages/org.tessivar.Tessivar.xml
  ./usr/share/icons/hicolor/scalable/apps/org.tessivar.Tessivar.svg
  ./usr/share/man/man1/tessivar.1.gz
  ./usr/share/doc/tessivar/copyright
  ./usr/share/doc/tessivar/changelog.gz
)
for example in "$root"/assets/examples/*.urm; do
  required+=("./usr/share/tessivar/examples/$(basename "$example")")
done
for file in "${required[@]}"; do
  grep -qxF "$file" <<<"$files" || fail "not in the package: $file"
done
grep -qE '^-rwxr-xr-x root/root .* \./usr/bin/tessivar$' <<<"$listing" || fail "usr/bin/tessivar is not executable by all"

# What the package holds is what the sources say, and its program runs.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
for example in "$root"/assets/examples/*.urm; do
  cmp -s "$example" "$unpacked/usr/share/tessivar/examples/$(basename "$example")" ||
    fail "the packaged $(basename "$example") differs from its source"
done
[ "$("$unpacked/usr/bin/tessivar" --version)" = "tessivar $version" ] || fail "the packaged program does not run"
zcat "$unpacked/usr/share/man/man1/tessivar.1.gz" | grep -qF -- '--check' || fail "the manual page lacks --check"
grep -qx 'License: Expat' "$unpacked/usr/share/doc/tessivar/copyright" || fail "the copyright file names no MIT (Expat) licence"
grep -qF '<project_license>MIT</project_license>' "$unpacked/usr/share/metainfo/org.tessivar.Tessivar.metainfo.xml" ||
  fail "the metainfo names no MIT licence"

# Errors fail the check; warnings and notes are listed for the record.
lintian --fail-on error --display-info "$deb" || fail "lintian found errors"
echo "check-deb: $deb passes"
