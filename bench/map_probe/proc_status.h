// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PROC_STATUS_H
#define PROC_STATUS_H

#include <sys/types.h>

/* Peak resident set size of the process in KiB (VmHWM), or -1 when it cannot be read. */
long proc_peak_rss_kib(pid_t pid);

/* Voluntary context switches summed over every thread of the process, or -1 when none can be
 * read. A thread switches voluntarily each time it goes back to sleep, so the difference over an
 * idle span counts the process's own wake-ups. */
long proc_voluntary_switches(pid_t pid);

#endif
