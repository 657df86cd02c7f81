// SPDX-License-Identifier: LicenseRef-proprietary
#include "helper/HelperSession.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

// wypelark-helper: started by pkexec for the window, it destroys the files the window hands over
// on its standard input and says what became of them on its standard output. It takes no
// arguments and reads no environment: everything comes through the protocol.
int main(int argc, char* /*argv*/[]) {
    if (argc != 1) {
        std::fputs("wypelark-helper: takes no arguments; it is spoken to on its standard input\n",
                   stderr);
        return 2;
    }
    ::umask(077);
    wypelark::HelperSession session(STDIN_FILENO, stdout);
    return session.serve();
}
