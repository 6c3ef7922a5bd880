#!/usr/bin/env bash
# Checks the Debian packages `make package` built, as a Debian reviewer would: lintian finds no error and
# no warning (its information and pedantic tags are printed; those accepted are explained in
# docs/architecture.md), every program carries the distribution's hardening, the AppStream metainfo
# validates, velmora-cli(1) shows every subcommand's synopsis, and packaging the same build again gives
# the same bytes.
#   bash scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
packages=("$build/velmora_${version}_${arch}.deb" "$build/velmora-signsim_${version}_${arch}.deb")
for package in "${packages[@]}"; do
    [ -f "$package" ] || { echo "check-package: $package was not built (make package)" >&2; exit 1; }
done

echo "== lintian"
lintian --pedantic --display-info --fail-on error,warning "${packages[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for package in "${packages[@]}"; do
    dpkg-deb -x "$package" "$work/root"
done

# Debian 12's C library start files carry no control-flow marking, so no program linked there can carry
# it, however it was compiled (-fcf-protection is in the build's flags); every other check must pass.
echo "== hardening-check"
hardening-check --nocfprotection "$work"/root/usr/bin/*

echo "== appstreamcli validate"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml

echo "== manual pages"
# velmora-cli(1)'s synopsis names every subcommand its overview lists, as the page shows it.
synopsis=$(MANWIDTH=200 man -l "$work/root/usr/share/man/man1/velmora-cli.1.gz" 2>/dev/null |
    sed -n '/^SYNOPSIS/,/^DESCRIPTION/p')
for subcommand in $("$work/root/usr/bin/velmora-cli" --help | sed -n 's/^  \([a-z]*\) .*/\1/p'); do
    [ "$subcommand" = help ] && continue
    grep -q "velmora-cli $subcommand " <<< "$synopsis" ||
        { echo "check-package: velmora-cli(1) has no synopsis of '$subcommand'" >&2; exit 1; }
done

echo "== packaging again gives the same bytes"
mkdir "$work/first"
cp "${packages[@]}" "$work/first/"
(cd "$build" && cpack -G DEB > /dev/null)
for package in "${packages[@]}"; do
    cmp "$work/first/$(basename "$package")" "$package"
done
echo "check-package: both packages are sound"
