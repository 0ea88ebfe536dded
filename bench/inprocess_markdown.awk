# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the CSV results of zentor_benchmarks (run with repetitions and aggregates only) into a
# Markdown table of the medians, with each benchmark's target from its label and whether the
# wall-clock median stays under it.

function microseconds(value, unit) {
  if (unit == "ns") return value / 1000
  if (unit == "ms") return value * 1000
  if (unit == "s") return value * 1000000
  return value
}

function shown(us) {
  return us >= 100 ? sprintf("%.0f", us) : (us >= 1 ? sprintf("%.1f", us) : sprintf("%.3f", us))
}

BEGIN { FS = "," }

# Lines before the header are the context the library prints; the header starts with "name".
$1 == "name" { header = 1; next }
!header { next }

{
  name = $1
  gsub(/"/, "", name)
  if (name !~ /_median$/) next
  sub(/_median$/, "", name)
  real = microseconds($3 + 0, $5)
  cpu = microseconds($4 + 0, $5)
  label = $8
  gsub(/"/, "", label)
  target = "–"
  verdict = "–"
  if (match(label, /target [0-9]+ us/)) {
    limit = substr(label, RSTART + 7, RLENGTH - 10) + 0
    target = "≤ " limit
    verdict = real <= limit ? "yes" : "**no**"
  }
  rows[++count] = sprintf("| %s | %s | %s | %s | %s |", name, shown(real), shown(cpu), target, verdict)
}

END {
  if (count == 0) {
    print "inprocess_markdown.awk: no median rows in the results" > "/dev/stderr"
    exit 1
  }
  print "| benchmark | wall time, median (µs) | CPU time, median (µs) | target (µs) | wall time within target |"
  print "|---|---:|---:|---:|:---:|"
  for (i = 1; i <= count; i++) print rows[i]
  print ""
  print "_" caption "_"
}
