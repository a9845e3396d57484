# Makes ctest's per-test lines fit a terminal of WIDTH columns (100 unless
# set with -v width=N): "  12/377 Test  #12: Name ........   Passed    0.05 sec"
# becomes " 12/377  Passed    0.05 s  Name", a long name shortened in its middle.
# The "Start" lines are dropped; every other line passes unchanged.
BEGIN { if (!width) width = 100 }
/^ *Start +[0-9]+: / { next }
match($0, /^ *[0-9]+\/[0-9]+ +Test +#[0-9]+: /) {
    head = substr($0, 1, RLENGTH)
    rest = substr($0, RLENGTH + 1)
    split(head, h, " ")
    count = h[1]
    if (!match(rest, / +[0-9.]+ sec *$/)) { print; next }
    seconds = substr(rest, RSTART)
    gsub(/ |sec/, "", seconds)
    rest = substr(rest, 1, RSTART - 1)
    if (!match(rest, /(Passed|Failed|Not Run|\*\*\*[^.]*)$/)) { print; next }
    status = substr(rest, RSTART)
    name = substr(rest, 1, RSTART - 1)
    sub(/[ .]*$/, "", name)
    line = sprintf("%8s  %-9s %7s s  ", count, status, seconds)
    room = width - length(line)
    if (length(name) > room) {
        keep = room - 3
        name = substr(name, 1, int(keep / 2)) "..." substr(name, length(name) - (keep - int(keep / 2)) + 1)
    }
    print line name
    next
}
{ print }
