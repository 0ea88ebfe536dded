// SPDX-License-Identifier: GPL-3.0-or-later
#define _POSIX_C_SOURCE 200809L
#include "proc_status.h"

#include <dirent.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Value of the first "key:" line of a /proc status file, or -1. */
static long status_field(const char *path, const char *key)
{
    FILE *file = fopen(path, "r");
    if (file == NULL)
        return -1;
    size_t key_length = strlen(key);
    char line[256];
    long value = -1;
    while (fgets(line, sizeof line, file) != NULL) {
        if (strncmp(line, key, key_length) == 0 && line[key_length] == ':') {
            value = strtol(line + key_length + 1, NULL, 10);
            break;
        }
    }
    fclose(file);
    return value;
}

long proc_peak_rss_kib(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%ld/status", (long)pid);
    return status_field(path, "VmHWM");
}

long proc_voluntary_switches(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%ld/task", (long)pid);
    DIR *tasks = opendir(path);
    if (tasks == NULL)
        return -1;
    long total = -1;
    struct dirent *entry;
    while ((entry = readdir(tasks)) != NULL) {
        if (entry->d_name[0] == '.')
            continue;
        char status_path[512];
        snprintf(status_path, sizeof status_path, "/proc/%ld/task/%s/status", (long)pid,
                 entry->d_name);
        /* A thread may end between readdir and the read; it then simply adds nothing. */
        long switches = status_field(status_path, "voluntary_ctxt_switches");
        if (switches >= 0)
            total = (total < 0 ? 0 : total) + switches;
    }
    closedir(tasks);
    return total;
}
