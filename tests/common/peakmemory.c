/* Runs a program and reports, on stderr, the peak memory the kernel
 * accounted to it and its wall time. A process started by this small one
 * carries none of a large caller's memory into the figure.
 *   peak-memory PROGRAM [ARGUMENT…]
 * Exits with the program's status (127 when it could not start). */
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        fputs("usage: peak-memory PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    struct rusage usage;
    if (child < 0 || wait4(child, &status, 0, &usage) != child)
        return 127;
    clock_gettime(CLOCK_MONOTONIC, &end);
    const long ms = (end.tv_sec - start.tv_sec) * 1000 + (end.tv_nsec - start.tv_nsec) / 1000000;
    fprintf(stderr, "peak-memory: %ld KiB, %ld ms\n", usage.ru_maxrss, ms);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
