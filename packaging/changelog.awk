# Reads CHANGELOG.md (a "## [VERSION] - YYYY-MM-DD" heading per version, "### Added" and the like over "- " items,
# wrapped lines indented) and writes, by -v format=:
#   date       the date of -v version, failing where that version has no dated section
#   notes      the release notes of -v version, in Markdown
#   debian     the Debian changelog of every dated version, the package's version being VERSION followed by -v suffix,
#              signed by -v maintainer
#   appstream  the AppStream <release> elements of every dated version
# Unreleased changes, having no date, are left out of all of them.
# Usage: awk -v format=FORMAT [-v version=VERSION] [-v suffix=SUFFIX -v maintainer=NAME] -f changelog.awk CHANGELOG.md
/^## / {
  item = 0
  heading = $0
  sub(/^## \[/, "", heading)
  name = heading
  sub(/\].*/, "", name)
  day = ""
  if (match(heading, /\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/)) day = substr(heading, RSTART + 4, 10)
  if (day == "") { section = 0; next }
  section = ++versions
  number[section] = name
  date[section] = day
  next
}
!section { next }
{ body[section] = body[section] $0 "\n" }
/^### / { kind = substr($0, 5); next }
/^- / { item = ++items[section]; kinds[section, item] = kind; text[section, item] = substr($0, 3); next }
/^  +[^ ]/ && item {
  line = $0
  sub(/^ +/, "", line)
  text[section, item] = text[section, item] " " line
  next
}
/^$/ { next }
{ item = 0 }

END {
  chosen = 0
  for (v = 1; v <= versions; v++) if (number[v] == version) chosen = v
  if ((format == "date" || format == "notes") && !chosen) {
    print "CHANGELOG.md has no dated section for version " version > "/dev/stderr"
    exit 1
  }
  if (format == "date") print date[chosen]
  else if (format == "notes") notes(chosen)
  else if (format == "debian") for (v = 1; v <= versions; v++) debian(v)
  else if (format == "appstream") for (v = 1; v <= versions; v++) appstream(v)
  else { print "unknown format: " format > "/dev/stderr"; exit 2 }
}

function notes(v,   lines, n, i, first, last) {
  printf "# Neonvine %s\n\nReleased on %s.\n\n", number[v], date[v]
  n = split(body[v], lines, "\n")
  for (first = 1; first <= n && lines[first] == ""; first++) {}
  for (last = n; last >= first && lines[last] == ""; last--) {}
  for (i = first; i <= last; i++) {
    sub(/^### /, "## ", lines[i])
    print lines[i]
  }
}

function debian(v,   i, kind) {
  printf "neonvine (%s%s) unstable; urgency=medium\n", number[v], suffix
  for (i = 1; i <= items[v]; i++) {
    if (i == 1 || kinds[v, i] != kinds[v, i - 1]) printf "\n  %s:\n", kinds[v, i]
    wrap("  * ", "    ", plain(text[v, i]))
  }
  printf "\n -- %s  %s\n\n", maintainer, rfc2822(date[v])
}

function appstream(v,   i) {
  printf "    <release version=\"%s\" date=\"%s\">\n      <description>\n", number[v], date[v]
  for (i = 1; i <= items[v]; i++) {
    if (i == 1 || kinds[v, i] != kinds[v, i - 1]) printf "        <p>%s:</p>\n        <ul>\n", xml(kinds[v, i])
    printf "          <li>%s</li>\n", xml(plain(text[v, i]))
    if (i == items[v] || kinds[v, i] != kinds[v, i + 1]) print "        </ul>"
  }
  print "      </description>\n    </release>"
}

# Markdown's code quotes mean nothing outside Markdown.
function plain(s) {
  gsub(/`/, "", s)
  return s
}

function xml(s) {
  gsub(/&/, "\\&amp;", s)
  gsub(/</, "\\&lt;", s)
  gsub(/>/, "\\&gt;", s)
  return s
}

# Prints the words of TEXT in lines shorter than 80 columns, the first starting with FIRST, the others with REST.
function wrap(first, rest, text,   words, n, i, line, empty) {
  n = split(text, words, " ")
  line = first
  empty = 1
  for (i = 1; i <= n; i++) {
    if (!empty && length(line) + 1 + length(words[i]) >= 80) {
      print line
      line = rest
      empty = 1
    }
    line = line (empty ? "" : " ") words[i]
    empty = 0
  }
  print line
}

# "2026-12-07" as Debian's changelog dates it: "Mon, 07 Dec 2026 00:00:00 +0000".
function rfc2822(day,   y, m, d, offsets, weekdays, months, w) {
  y = substr(day, 1, 4) + 0
  m = substr(day, 6, 2) + 0
  d = substr(day, 9, 2) + 0
  split("0 3 2 5 0 3 5 1 4 6 2 4", offsets, " ")
  split("Sun Mon Tue Wed Thu Fri Sat", weekdays, " ")
  split("Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec", months, " ")
  w = (m < 3 ? y - 1 : y)
  w = (w + int(w / 4) - int(w / 100) + int(w / 400) + offsets[m] + d) % 7
  return sprintf("%s, %02d %s %d 00:00:00 +0000", weekdays[w + 1], d, months[m], y)
}
