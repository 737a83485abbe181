#!/bin/sh
# What tells of the options and the exit statuses says what their table
# (program/options_and_statuses.txt) says: the README holds the tables made
# from it, as made; the manual's EXIT STATUS is the table's alone; and no
# help, manual page, guide or README names an option or a status the table
# does not, nor a program's help an option the table does not give it.
# Usage: texts_from_table.sh SOURCE_DIR TEXTS_DIR PROGRAM...
set -u
export LC_ALL=C.UTF-8
source=$1 texts=$2
shift 2
table=$source/program/options_and_statuses.txt
fail=0
say() { echo "FAIL: $*"; fail=1; }

# The option words in the table's rows on a program, or on any program.
options() {
  awk -v program="$1" 'function row() { if (program == "" || fors == "" || index(" " fors " ", " " program " "))
      printf "%s", words; words = "" }
    /^(option|status|cause): / { row(); fors = "" }
    /^for: / { fors = substr($0, 6) }
    { words = words $0 "\n" }
    END { row() }' "$table" | grep -oE -- '(^|[^a-z0-9-])--?[a-z][a-z-]*' | sed 's/^[^-]*//'
}
statuses=$(sed -n 's/^status: //p' "$table")

# says WHAT TEXT [PROGRAM]: TEXT names only what the table has (for PROGRAM).
says() {
  known=$(options "${3:-}")
  for word in $(printf '%s\n' "$2" | sed 's/\\-/-/g' | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    printf '%s\n' "$known" | grep -qxF -- "$word" || say "$1 names $word, which the table's rows on ${3:-any program} do not"
  done
  for status in $(printf '%s\n' "$2" | grep -oE '(status|Status|ends|[Кк]од(ом)?) +[0-9]+' | grep -oE '[0-9]+$' | sort -u); do
    printf '%s\n' "$statuses" | grep -qxF "$status" || say "$1 tells of status $status, which the table does not"
  done
}
for program in "$@"; do
  says "$(basename "$program") --help" "$("$program" --help)" "$(basename "$program")"
done
says words_windows.cpp "$(cat "$source/program/words_windows.cpp")" kalderon-test.exe
for text in kalderon-test.1 kalderon-test.ru.1 README.txt; do
  says "$text" "$(cat "$texts/$text")"
done
# The README's sections on the programs, not those on the tools that build them.
says README.md "$(awk '/^## /{ on = $0 !~ /^## (The two commands|Tests|Layout)$/ } on' "$source/README.md")"

for page in kalderon-test.1 kalderon-test.ru.1; do
  section=$(sed -n '/^\.SH "*\(EXIT STATUS\|КОД ЗАВЕРШЕНИЯ\)/,/^\.SH/p' "$source/resources/$page" | sed '1d;$d')
  case $section in @MAN_STATUSES_??@) ;; *) say "$page: its EXIT STATUS is not the table's alone" ;; esac
done

found=$(sed -n '/^<!-- Made from program/,/^<!-- End of the tables/p' "$source/README.md" | sed '1d;$d')
made=$(cat "$texts/README-tables.md")
[ "$found" = "$made" ] || { say "README.md's tables are not the table's: between its marks put"; echo "$made"; }
[ $fail = 0 ] && echo PASS
exit $fail
