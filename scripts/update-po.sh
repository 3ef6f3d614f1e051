#!/usr/bin/env bash
# Collects the texts of the catalog from the sources into po/kalvenor.pot and merges them into
# every translation (po/*.po): new texts come in untranslated, texts gone from the code become
# obsolete. Run it after adding or changing a text shown through localized() or catalogText(),
# then translate what msgfmt --statistics reports as untranslated or fuzzy.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/extract-texts.sh po/kalvenor.pot
for po in po/*.po; do
  msgmerge --quiet --update --backup=none --add-location=file "$po" po/kalvenor.pot
  msgfmt --check --statistics --output-file=/dev/null "$po"
done
