# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the per-run results of startup.sh into the comparison table. Reads two files, the
# baseline's first and the program's second, each with lines "startup_ms vmhwm_kib idle_wakeups".
# Prints a plain table and, when markdown is set, writes the same table there in Markdown.

FNR == 1 { file++ }
{
  count[file]++
  for (column = 1; column <= 3; column++)
    value[file, column, count[file]] = $column
}

function median(which, column,    n, i, j, sorted, swap) {
  n = count[which]
  for (i = 1; i <= n; i++)
    sorted[i] = value[which, column, i] + 0
  for (i = 2; i <= n; i++)
    for (j = i; j > 1 && sorted[j - 1] > sorted[j]; j--) {
      swap = sorted[j]; sorted[j] = sorted[j - 1]; sorted[j - 1] = swap
    }
  return n % 2 ? sorted[(n + 1) / 2] : (sorted[n / 2] + sorted[n / 2 + 1]) / 2
}

function range(which, column, dash,    i, low, high, v) {
  low = high = value[which, column, 1] + 0
  for (i = 2; i <= count[which]; i++) {
    v = value[which, column, i] + 0
    if (v < low) low = v
    if (v > high) high = v
  }
  return sprintf("%.1f" dash "%.1f", low, high)
}

END {
  if (file != 2 || count[1] == 0 || count[2] == 0) {
    print "summarize.awk: expected results for the baseline and the program" > "/dev/stderr"
    exit 1
  }
  name[1] = baseline_name
  name[2] = program_name
  base_startup = median(1, 1)
  base_memory = median(1, 2) / 1024
  for (which = 1; which <= 2; which++) {
    startup[which] = sprintf("%.1f", median(which, 1))
    spread[which] = range(which, 1, "-")
    spread_md[which] = range(which, 1, "–")
    startup_ratio[which] = sprintf("%.2f", median(which, 1) / base_startup)
    memory[which] = sprintf("%.1f", median(which, 2) / 1024)
    memory_ratio[which] = sprintf("%.2f", median(which, 2) / 1024 / base_memory)
    wakeups[which] = sprintf("%g", median(which, 3))
  }

  format = "%-28s %12s %14s %8s %12s %8s %14s\n"
  printf format, "program", "start-up ms", "(min-max)", "x base", "VmHWM MiB", "x base", "idle wake-ups"
  for (which = 1; which <= 2; which++)
    printf format, name[which], startup[which], spread[which], startup_ratio[which],
      memory[which], memory_ratio[which], wakeups[which]

  if (markdown == "")
    exit 0
  print "| program | start-up, median (ms) | start-up, min–max (ms) | × baseline | VmHWM, median (MiB) | × baseline | idle wake-ups in 5 s, median |" > markdown
  print "|---|---:|---:|---:|---:|---:|---:|" > markdown
  for (which = 1; which <= 2; which++)
    printf "| %s | %s | %s | %s | %s | %s | %s |\n", name[which], startup[which], spread_md[which],
      startup_ratio[which], memory[which], memory_ratio[which], wakeups[which] > markdown
  print "" > markdown
  print caption "." > markdown
}
