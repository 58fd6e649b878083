// SPDX-FileCopyrightText: 2026 The Brovaci authors
// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX only: file descriptors. The one file of the program that calls POSIX.
#include "app/startup.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace brovaci {

void reopenClosedStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free descriptor is the closed one.
        const int null = open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) {
            dup2(null, fd);
            close(null);
        }
    }
}

} // namespace brovaci
