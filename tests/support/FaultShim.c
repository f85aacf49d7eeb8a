/* Loaded with LD_PRELOAD into the program under test: fails one call of a
 * kind (write, fsync or rename) on files in one folder, the Nth of them, with
 * a given errno, and counts those calls.
 *
 *   VARNELLE_FAULT_DIR    the folder whose files count (an absolute path)
 *   VARNELLE_FAULT_CALL   write | fsync | rename
 *   VARNELLE_FAULT_AT     the call to fail, from 1; 0 fails none
 *   VARNELLE_FAULT_ERRNO  the errno of the failure; 0 kills the program there (SIGKILL)
 *   VARNELLE_FAULT_COUNT  a file the number of calls counted is written to at exit
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

static long calls;

static const char *setting(const char *name)
{
    const char *value = getenv(name);
    return value ? value : "";
}

static int inFolder(const char *path)
{
    const char *folder = setting("VARNELLE_FAULT_DIR");
    size_t n = strlen(folder);
    return n > 0 && path && strncmp(path, folder, n) == 0 && path[n] == '/';
}

static int fdInFolder(int fd)
{
    char link[64], path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return 0;
    path[n] = '\0';
    return inFolder(path);
}

/* True when this call, of the kind asked for, is the one to fail. */
static int failHere(const char *kind, int counts)
{
    if (!counts || strcmp(setting("VARNELLE_FAULT_CALL"), kind) != 0)
        return 0;
    ++calls;
    if (atol(setting("VARNELLE_FAULT_AT")) != calls)
        return 0;
    errno = atoi(setting("VARNELLE_FAULT_ERRNO"));
    if (errno == 0)
        raise(SIGKILL);
    return 1;
}

__attribute__((destructor)) static void writeCount(void)
{
    const char *name = getenv("VARNELLE_FAULT_COUNT");
    FILE *file = name ? fopen(name, "w") : NULL;
    if (file) {
        fprintf(file, "%ld\n", calls);
        fclose(file);
    }
}

#define NEXT(name) ((__typeof__(&name))dlsym(RTLD_NEXT, #name))

ssize_t write(int fd, const void *buffer, size_t size)
{
    if (failHere("write", fdInFolder(fd)))
        return -1;
    return NEXT(write)(fd, buffer, size);
}

ssize_t pwrite(int fd, const void *buffer, size_t size, off_t offset)
{
    if (failHere("write", fdInFolder(fd)))
        return -1;
    return NEXT(pwrite)(fd, buffer, size, offset);
}

ssize_t pwrite64(int fd, const void *buffer, size_t size, off64_t offset)
{
    if (failHere("write", fdInFolder(fd)))
        return -1;
    return NEXT(pwrite64)(fd, buffer, size, offset);
}

ssize_t writev(int fd, const struct iovec *parts, int count)
{
    if (failHere("write", fdInFolder(fd)))
        return -1;
    return NEXT(writev)(fd, parts, count);
}

int fsync(int fd)
{
    if (failHere("fsync", fdInFolder(fd)))
        return -1;
    return NEXT(fsync)(fd);
}

int fdatasync(int fd)
{
    if (failHere("fsync", fdInFolder(fd)))
        return -1;
    return NEXT(fdatasync)(fd);
}

int rename(const char *from, const char *to)
{
    if (failHere("rename", inFolder(from) || inFolder(to)))
        return -1;
    return NEXT(rename)(from, to);
}

int renameat(int fromDir, const char *from, int toDir, const char *to)
{
    if (failHere("rename", (from[0] == '/' && inFolder(from)) || (to[0] == '/' && inFolder(to))))
        return -1;
    return NEXT(renameat)(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char *from, int toDir, const char *to, unsigned int flags)
{
    if (failHere("rename", (from[0] == '/' && inFolder(from)) || (to[0] == '/' && inFolder(to))))
        return -1;
    return NEXT(renameat2)(fromDir, from, toDir, to, flags);
}
