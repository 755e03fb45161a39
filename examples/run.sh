#!/usr/bin/env bash
# Writes a handheld and a mobile mission plan from the sample images, parses both back,
# and checks that the unpacked images equal the originals.
# Usage: examples/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$(cd "${1:-build}" && pwd)/tarin-translator
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here"/handheld.fl "$here"/handheld.ee "$here"/mobile.fl "$here"/mobile.ee "$work"/
cd "$work"

echo "== handheld mission plan"
"$tool" write handheld --name "Sample plan" --author "Tarin examples" --locale en \
    --aac-version 1.2 --domain
echo "wrote handheld.xml ($(wc -c < handheld.xml) bytes)"
"$tool" parse handheld.xml handheld-out
echo "parsed it back into handheld-out.fl, handheld-out.ee, handheld-out.pd"
cmp handheld.fl handheld-out.fl && cmp handheld.ee handheld-out.ee && echo "images identical"

echo "== mobile mission plan"
"$tool" write mobile --mobile --radio-type 7 --name "Sample mobile plan" --locale en
echo "wrote mobile.xml ($(wc -c < mobile.xml) bytes)"
"$tool" parse mobile.xml mobile-out --radio-type 7 --mobile
echo "parsed it back into mobile-out.fl, mobile-out.ee, mobile-out.pd"
cmp mobile.fl mobile-out.fl && cmp mobile.ee mobile-out.ee && echo "images identical"

echo "== platform file of the handheld plan (first lines)"
head -n 12 handheld-out.pd | tr -d '\r'
