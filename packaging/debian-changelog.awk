# Writes CHANGELOG.md as a Debian changelog (usr/share/doc/<package>/changelog): each "## <version> (<date>)"
# heading opens an entry, dated at noon UTC of its day, each "- " item becomes a "  * " item with its wrapped
# lines under it. What stands before the first heading is for the reader of CHANGELOG.md only.
# Variables: package, maintainer ("Name <address>").
function fail(message) {
    printf "CHANGELOG.md, line %d: %s\n", NR, message > "/dev/stderr"
    failed = 1
    exit 1
}
# Characters of UTF-8 text, counted without the bytes that continue one.
function characters(text) {
    gsub(/[\200-\277]/, "", text)
    return length(text)
}
function close_entry(    command, stamp) {
    if (version == "")
        return
    command = "LC_ALL=C date -u -R -d '" day " 12:00'"
    if ((command | getline stamp) <= 0)
        fail("no such day: " day)
    close(command)
    printf "\n -- %s  %s\n", maintainer, stamp
}
/^## / {
    close_entry()
    if ($0 !~ /^## [0-9][0-9.]* \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/)
        fail("a version heading reads \"## <version> (<year-month-day>)\"")
    if (version != "")
        print ""
    version = $2
    day = substr($3, 2, 10)
    printf "%s (%s) unstable; urgency=medium\n\n", package, version
    next
}
version == "" || /^$/ { next }
characters($0) > 77 { fail("longer than 77 characters") }
/^- / { print "  * " substr($0, 3); next }
/^  [^ ]/ { print "  " $0; next }
{ fail("neither an item (\"- \") nor its wrapped line (two blanks)") }
END {
    if (failed)
        exit 1
    if (version == "")
        fail("no version heading")
    close_entry()
}
