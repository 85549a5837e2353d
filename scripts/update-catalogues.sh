#!/usr/bin/env bash
# The catalogues of translations, in assets/po/: `pot` gathers every text that the sources mark
# (Tr, TrN and N_ in C++; duelmarkText and duelmarkTextN in the page's scripts; data-translate in
# its HTML, scripts/page-texts.mjs) into the template duelmark.pot; `po` merges the template into
# each language's catalogue (de.po, fr.po, ...), where a translator then works.
# Usage: scripts/update-catalogues.sh pot|po
set -euo pipefail
cd "$(dirname "$0")/.."
po=assets/po
case "${1:-}" in
  pot)
    sources=$(git ls-files 'engine/*.cpp' 'engine/*.h' 'windows/*.cpp' 'windows/*.h' 'runtime/*.cpp' 'runtime/*.h' \
                           'app/*.cpp' 'app/*.h')
    template=(--from-code=UTF-8 --add-comments=TRANSLATORS: --sort-by-file --no-wrap --package-name=Duelmark
              --msgid-bugs-address=https://duelmark.invalid/ -o "$po/duelmark.pot")
    # shellcheck disable=SC2086  # one file a word
    xgettext "${template[@]}" --language=C++ --keyword=Tr:1 --keyword=TrN:1,2 --keyword=N_:1 $sources
    scripts=$(git ls-files 'app/web/*.js' 'runtime/web/*.js')
    # shellcheck disable=SC2086  # one file a word
    xgettext "${template[@]}" --join-existing --language=JavaScript --keyword=duelmarkText:1 \
      --keyword=duelmarkTextN:1,2 $scripts
    page=$(mktemp)
    trap 'rm -f "$page"' EXIT
    node scripts/page-texts.mjs app/web/index.html >"$page"
    xgettext "${template[@]}" --join-existing --language=PO "$page"
    # The template's header names its character set, which every catalogue then shares.
    sed -i 's/charset=CHARSET/charset=UTF-8/' "$po/duelmark.pot"
    echo "$po/duelmark.pot: $(grep -c '^msgid "[^"]' "$po/duelmark.pot") texts"
    ;;
  po)
    for catalogue in "$po"/*.po; do
      msgmerge --quiet --update --backup=none --no-wrap "$catalogue" "$po/duelmark.pot"
      printf '%s: ' "$catalogue"
      msgfmt --check --statistics -o /dev/null "$catalogue"
    done
    ;;
  *)
    echo "Usage: $0 pot|po" >&2
    exit 2
    ;;
esac
