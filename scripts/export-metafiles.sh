#!/usr/bin/env bash
# Exports SVG drawings to WMF and EMF with Inkscape (not needed to build):
#   scripts/export-metafiles.sh borders        resources/borders-src/*.svg -> resources/Borders/*.wpo|*.wls
#   scripts/export-metafiles.sh fixtures       tests/core/metafile/data/fidelity/*.svg -> .wmf and .emf beside them
#   scripts/export-metafiles.sh clipart        resources/clipart-src/*.svg -> resources/ClipArt/*.wmf, .bmp, .pcx
# Border sources are named NAME-portrait.svg and NAME-landscape.svg; the
# portrait one becomes NAME.wpo, the landscape one NAME.wls: placeable WMF files,
# the form the page's border picture has always had.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v inkscape >/dev/null || { echo "inkscape is needed: apt-get install inkscape" >&2; exit 1; }

# Inkscape turns text into outlines unless told not to; a private profile
# keeps the user's own preferences out of it.
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
cat >"$profile/preferences.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8" standalone="no"?>
<inkscape version="1">
  <group id="extensions"
     org.inkscape.output.emf.textToPath="false"
     org.inkscape.output.wmf.textToPath="false" />
</inkscape>
XML
export INKSCAPE_PROFILE_DIR=$profile

export_one() { # svg type out
  inkscape "$1" --export-type="$2" --export-filename="$3" 2>/dev/null
  [ -s "$3" ] || { echo "export of $1 to $2 failed" >&2; exit 1; }
}

case "${1:-}" in
borders)
  mkdir -p resources/Borders
  for svg in resources/borders-src/*-portrait.svg; do
    name=$(basename "$svg" -portrait.svg)
    export_one "$svg" wmf "$profile/out.wmf" && mv "$profile/out.wmf" "resources/Borders/$name.wpo"
    export_one "resources/borders-src/$name-landscape.svg" wmf "$profile/out.wmf" \
      && mv "$profile/out.wmf" "resources/Borders/$name.wls"
  done
  ;;
fixtures)
  for svg in tests/core/metafile/data/fidelity/*.svg; do
    export_one "$svg" wmf "${svg%.svg}.wmf"
    export_one "$svg" emf "${svg%.svg}.emf"
    # Qt's SVG renderer ignores clip paths: those drawings are compared
    # with Inkscape's own rendering instead.
    if grep -q clipPath "$svg"; then
      inkscape "$svg" --export-type=png --export-dpi=96 --export-background=white \
        --export-filename="${svg%.svg}.png" 2>/dev/null
    fi
  done
  ;;
clipart)
  # Most pictures ship as metafiles; a few as 3-inch bitmaps, so that the
  # clip art also exercises the BMP and PCX readers.
  command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }
  bitmaps=" Balloons Sun "
  pcx=" Apple Sailboat "
  rm -rf resources/ClipArt
  mkdir -p resources/ClipArt
  for svg in resources/clipart-src/*.svg; do
    name=$(basename "$svg" .svg)
    out=resources/ClipArt/$name
    if [[ $bitmaps == *" $name "* || $pcx == *" $name "* ]]; then
      inkscape "$svg" --export-type=png --export-width=288 --export-background=white \
        --export-background-opacity=1 --export-filename="$profile/out.png" 2>/dev/null
      if [[ $bitmaps == *" $name "* ]]; then
        convert "$profile/out.png" -alpha off -type TrueColor "BMP3:$out.bmp"
      else
        convert "$profile/out.png" -alpha off -colors 256 "$out.pcx"
      fi
    else
      export_one "$svg" wmf "$out.wmf"
    fi
  done
  ;;
*)
  echo "usage: $0 borders|fixtures|clipart" >&2
  exit 2
  ;;
esac
