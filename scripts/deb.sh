#!/usr/bin/env bash
# Builds the Debian package from the sources as git knows them (committed and
# new, not ignored), in a folder of its own, and checks it with lintian: any
# error or warning fails the build.
#
#   scripts/deb.sh [out-dir]      (default: build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mkdir -p "${1:-build-deb}" && cd "${1:-build-deb}" && pwd)

bash scripts/install-deps.sh debhelper dpkg-dev lintian fakeroot

# The package's version is the project's.
project=$(sed -n 's/^project(Zaviko VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
package=$(dpkg-parsechangelog -S Version)
if [[ "$project" != "$package" ]]; then
    echo "debian/changelog says $package, CMakeLists.txt says $project"
    exit 1
fi

rm -rf "$out/zaviko" "$out"/zaviko*_"$package"_* "$out"/zaviko_"$package"_*
mkdir -p "$out/zaviko"
git ls-files -z --cached --others --exclude-standard \
    | tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$out/zaviko"
(cd "$out/zaviko" && dpkg-buildpackage -b -us -uc -j"$(nproc)")

deb=$out/zaviko_${package}_$(dpkg --print-architecture).deb
[[ -f "$deb" ]] || { echo "no package built: $deb"; exit 1; }
rm -rf "$out/zaviko"
# lintian refuses nothing as root, but says so on every run; the package is
# checked the same either way.
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb"
echo "package: $deb"
dpkg-deb --info "$deb" | sed -n '/Depends/p'
