// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program on the current X display and reports how long it took until the X server
 * mapped the program's first top-level window, then its peak resident memory a moment later and
 * how often it woke up while left alone.
 *
 *   map_probe [--settle-ms N] [--idle-ms N] [--timeout-ms N] -- PROGRAM [ARGUMENTS...]
 *
 * Prints one line on success:  startup_ms=41.873 vmhwm_kib=52340 idle_wakeups=0
 * The program is terminated before map_probe exits, whatever happens. */
#define _POSIX_C_SOURCE 200809L
#include "proc_status.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

struct options {
    long settle_ms;
    long idle_ms;
    long timeout_ms;
    char **program;
};

static double now_ms(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (double)now.tv_sec * 1e3 + (double)now.tv_nsec / 1e6;
}

static void sleep_ms(long milliseconds)
{
    struct timespec span = {milliseconds / 1000, (milliseconds % 1000) * 1000000L};
    while (nanosleep(&span, &span) != 0 && errno == EINTR) {
    }
}

static int parse_options(int argc, char **argv, struct options *options)
{
    options->settle_ms = 1000;
    options->idle_ms = 5000;
    options->timeout_ms = 30000;
    options->program = NULL;
    for (int i = 1; i < argc; ++i) {
        long *target = NULL;
        if (strcmp(argv[i], "--") == 0) {
            options->program = i + 1 < argc ? &argv[i + 1] : NULL;
            break;
        } else if (strcmp(argv[i], "--settle-ms") == 0) {
            target = &options->settle_ms;
        } else if (strcmp(argv[i], "--idle-ms") == 0) {
            target = &options->idle_ms;
        } else if (strcmp(argv[i], "--timeout-ms") == 0) {
            target = &options->timeout_ms;
        }
        if (target == NULL || i + 1 >= argc)
            return -1;
        char *end = NULL;
        *target = strtol(argv[++i], &end, 10);
        if (*end != '\0' || *target < 0)
            return -1;
    }
    return options->program != NULL ? 0 : -1;
}

/* Subscribes to the map events of every top-level window. The subscription is confirmed by the
 * server before this returns, so no map of the program can slip past it. */
static int watch_top_level_maps(xcb_connection_t *connection, int screen_number)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screen_number && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return -1;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(
        connection, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    xcb_generic_error_t *error = xcb_request_check(connection, cookie);
    free(error);
    return error == NULL ? 0 : -1;
}

static xcb_atom_t intern_atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, (uint16_t)strlen(name), name), NULL);
    xcb_atom_t atom = reply != NULL ? reply->atom : XCB_ATOM_NONE;
    free(reply);
    return atom;
}

/* True unless the window says it belongs to another process. */
static int window_belongs_to(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pid_atom,
                             pid_t pid)
{
    if (pid_atom == XCB_ATOM_NONE)
        return 1;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pid_atom, XCB_ATOM_CARDINAL, 0, 1),
        NULL);
    int belongs = 1;
    if (reply != NULL && reply->format == 32 && xcb_get_property_value_length(reply) == 4) {
        uint32_t owner = *(const uint32_t *)xcb_get_property_value(reply);
        belongs = owner == (uint32_t)pid;
    }
    free(reply);
    return belongs;
}

static pid_t start_program(char **program, int x_descriptor)
{
    pid_t pid = fork();
    if (pid == 0) {
        /* The result line is ours alone; the program's chatter goes to the error stream. */
        dup2(STDERR_FILENO, STDOUT_FILENO);
        close(x_descriptor);
        execv(program[0], program);
        fprintf(stderr, "map_probe: cannot start %s: %s\n", program[0], strerror(errno));
        _exit(127);
    }
    return pid;
}

static int program_has_ended(pid_t pid)
{
    int status = 0;
    pid_t result = waitpid(pid, &status, WNOHANG);
    if (result != pid)
        return 0;
    if (WIFEXITED(status))
        fprintf(stderr, "map_probe: the program exited with status %d\n", WEXITSTATUS(status));
    else if (WIFSIGNALED(status))
        fprintf(stderr, "map_probe: the program was killed by signal %d\n", WTERMSIG(status));
    return 1;
}

/* Time at which the program's first ordinary top-level window was mapped, or a negative value.
 * The wait sleeps on the X connection, so the map is seen the moment the server reports it;
 * the periodic return only notices a program that died without a window. */
static double wait_for_map(xcb_connection_t *connection, xcb_atom_t pid_atom, pid_t pid,
                           double deadline)
{
    struct pollfd x_events = {xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        xcb_generic_event_t *event;
        while ((event = xcb_poll_for_event(connection)) != NULL) {
            double seen = now_ms();
            int mapped = 0;
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const xcb_map_notify_event_t *map = (const xcb_map_notify_event_t *)event;
                mapped = !map->override_redirect &&
                         window_belongs_to(connection, map->window, pid_atom, pid);
            }
            free(event);
            if (mapped)
                return seen;
        }
        if (xcb_connection_has_error(connection)) {
            fprintf(stderr, "map_probe: lost the X connection\n");
            return -1;
        }
        if (program_has_ended(pid))
            return -1;
        double left = deadline - now_ms();
        if (left <= 0) {
            fprintf(stderr, "map_probe: no window was mapped in time\n");
            return -1;
        }
        poll(&x_events, 1, left < 100 ? (int)left + 1 : 100);
    }
}

static void stop_program(pid_t pid)
{
    if (kill(pid, SIGTERM) != 0)
        return;
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid)
            return;
        sleep_ms(20);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

int main(int argc, char **argv)
{
    struct options options;
    if (parse_options(argc, argv, &options) != 0) {
        fprintf(stderr, "usage: map_probe [--settle-ms N] [--idle-ms N] [--timeout-ms N] -- "
                        "PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    int screen_number = 0;
    xcb_connection_t *connection = xcb_connect(NULL, &screen_number);
    if (xcb_connection_has_error(connection) || watch_top_level_maps(connection, screen_number)) {
        fprintf(stderr, "map_probe: cannot watch the X display \"%s\"\n",
                getenv("DISPLAY") ? getenv("DISPLAY") : "");
        return 1;
    }
    xcb_atom_t pid_atom = intern_atom(connection, "_NET_WM_PID");

    double started = now_ms();
    pid_t pid = start_program(options.program, xcb_get_file_descriptor(connection));
    if (pid < 0) {
        perror("map_probe: fork");
        return 1;
    }
    double mapped = wait_for_map(connection, pid_atom, pid, started + (double)options.timeout_ms);
    if (mapped < 0) {
        stop_program(pid);
        return 1;
    }

    sleep_ms(options.settle_ms);
    long peak_kib = proc_peak_rss_kib(pid);
    long switches_before = proc_voluntary_switches(pid);
    sleep_ms(options.idle_ms);
    long switches_after = proc_voluntary_switches(pid);
    int ended = program_has_ended(pid);
    stop_program(pid);
    xcb_disconnect(connection);
    if (ended || peak_kib < 0 || switches_before < 0 || switches_after < 0) {
        fprintf(stderr, "map_probe: the program did not stay up to be measured\n");
        return 1;
    }
    printf("startup_ms=%.3f vmhwm_kib=%ld idle_wakeups=%ld\n", mapped - started, peak_kib,
           switches_after - switches_before);
    return 0;
}
