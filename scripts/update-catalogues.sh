#!/usr/bin/env bash
# The catalogues of translations, in assets/po/, each folder a template and a catalogue for
# each language (de.po, fr.po, ...), where a translator works:
#   assets/po/          the program's texts, every text that the sources mark (Tr, TrN and N_ in C++;
#                       duelmarkText and duelmarkTextN in the page's scripts; data-translate in its
#                       HTML, as scripts/page-texts.mjs reads it);
#   assets/po/man/      the manual page's paragraphs, as po4a cuts them (po4a.cfg there);
#   assets/po/desktop/  the texts of the desktop entry and of the AppStream data.
# `pot` gathers the texts into each template; `po` merges each template into its folder's
# catalogues.
# Usage: scripts/update-catalogues.sh pot|po
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
po=assets/po
templates=("$po/duelmark.pot" "$po/man/duelmark-man.pot" "$po/desktop/duelmark-desktop.pot")
case "${1:-}" in
  pot)
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    sources=$(git ls-files 'engine/*.cpp' 'engine/*.h' 'windows/*.cpp' 'windows/*.h' 'runtime/*.cpp' 'runtime/*.h' \
                           'app/*.cpp' 'app/*.h')
    program=(--from-code=UTF-8 --add-comments=TRANSLATORS: --sort-by-file --no-wrap --package-name=Duelmark
             --msgid-bugs-address=https://duelmark.invalid/ -o "$po/duelmark.pot")
    # A text's placeholders are {names}, never printf's: no text is a C format, though xgettext
    # takes the "% i" of "95 % interval" for one and msgfmt would then refuse its translations.
    # shellcheck disable=SC2086  # one file a word
    xgettext "${program[@]}" --language=C++ --keyword=Tr:1 --keyword=TrN:1,2 --keyword=N_:1 \
      --flag=Tr:1:no-c-format --flag=TrN:1:no-c-format --flag=TrN:2:no-c-format --flag=N_:1:no-c-format $sources
    # The page's texts, joined to the program's: its scripts', and those that index.html marks.
    scripts=$(git ls-files 'app/web/*.js' 'runtime/web/*.js')
    # shellcheck disable=SC2086  # one file a word
    xgettext "${program[@]}" --join-existing --language=JavaScript --keyword=duelmarkText:1 --keyword=duelmarkTextN:1,2 \
      $scripts
    node scripts/page-texts.mjs app/web/index.html >"$scratch/page.pot"
    xgettext "${program[@]}" --join-existing --language=PO "$scratch/page.pot"
    # xgettext knows both formats by their names, .desktop.in and .metainfo.xml.in.
    xgettext --from-code=UTF-8 --no-wrap --package-name=Duelmark --copyright-holder="The Duelmark developers" \
      --msgid-bugs-address=https://duelmark.invalid/ -o "$po/desktop/duelmark-desktop.pot" \
      assets/desktop/*.desktop.in assets/desktop/*.metainfo.xml.in
    # The templates' headers name their character set, which every catalogue then shares.
    sed -i 's/charset=CHARSET/charset=UTF-8/' "$po/duelmark.pot" "$po/desktop/duelmark-desktop.pot"
    # po4a writes its template only together with the catalogues merged from it: it writes
    # them into a scratch folder, and the template alone is taken from there.
    mkdir -p "$scratch/$po/man"
    po4a --quiet --force --no-translations --destdir "$scratch" "$po/man/po4a.cfg"
    mv "$scratch/$po/man/duelmark-man.pot" "$po/man/"
    for template in "${templates[@]}"; do
      echo "$template: $(grep -c '^msgid "[^"]' "$template") texts"
    done
    ;;
  po)
    for template in "${templates[@]}"; do
      for catalogue in "$(dirname "$template")"/*.po; do
        msgmerge --quiet --update --backup=none --no-wrap "$catalogue" "$template"
        printf '%s: ' "$catalogue"
        msgfmt --check --statistics -o /dev/null "$catalogue"
      done
    done
    ;;
  *)
    echo "Usage: $0 pot|po" >&2
    exit 2
    ;;
esac
