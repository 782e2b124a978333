#!/usr/bin/env bash
# Installs the built program into a scratch folder and checks what a desktop
# needs of it; then packages it for Debian, unpacks the package into a scratch
# root and starts the program from there.
set -euo pipefail
build=$1
id=org.vorlinde.Vorlinde
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/stage/usr" > /dev/null
test -x "$scratch/stage/usr/bin/vorlinde"
test -n "$(find "$scratch/stage/usr" -path '*/vorlinde/vorlinde-print.so')"
desktop-file-validate "$scratch/stage/usr/share/applications/$id.desktop"
grep -q "^Icon=$id$" "$scratch/stage/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$scratch/stage/usr/share/metainfo/$id.metainfo.xml"
for size in 16 32 48 64; do
  icon="$scratch/stage/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  file "$icon" | grep -q "PNG image data, $size x $size"
done

(cd "$build" && cpack -G DEB -B "$scratch/package" > /dev/null)
deb=$(ls "$scratch"/package/vorlinde_*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6
dpkg-deb -f "$deb" Depends | grep -q libqt6printsupport6
dpkg-deb -f "$deb" Depends | grep -q qt6-translations-l10n
dpkg-deb -f "$deb" Depends | grep -q fonts-linuxlibertine
dpkg-deb -f "$deb" Depends | grep -q libgmp
dpkg-deb -f "$deb" Maintainer | grep -q '@'
dpkg-deb -x "$deb" "$scratch/root"
# The program has started when it is still running two seconds later.
status=0
QT_QPA_PLATFORM=offscreen timeout 2 "$scratch/root/usr/bin/vorlinde" || status=$?
if [ "$status" -ne 124 ]; then
  echo "the packaged program stopped with status $status" >&2
  exit 1
fi
echo "installed, validated, packaged and started"
