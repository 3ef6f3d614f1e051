#!/usr/bin/env bash
# extract-texts.sh OUTPUT: the catalog template made from every text of src/ and apps/ given to
# localized(), localizedFormat() or catalogText(), in a stable order (file by file, without line
# numbers, so that editing code elsewhere in a file leaves it as it is).
set -euo pipefail
cd "$(dirname "$0")/.."

dirs=(src apps)
find "${dirs[@]}" -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
  xgettext --files-from=- --from-code=UTF-8 --language=C++ \
    --keyword=localized:1 --keyword=localizedFormat:1 --keyword=catalogText:1 \
    --add-comments=TRANSLATORS: --add-location=file --sort-by-file \
    --package-name=Kalvenor --package-version=1.0 --msgid-bugs-address="the Kalvenor issue tracker" \
    --output="$1"
