// omenary-cli: computes omenaries and generates calendar data without a window.
#include <malloc.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char* argv[]) {
    // A run lasts a few dozen milliseconds. Memory handed back to the system whenever a picture or
    // font is done with had to be faulted in again for the next: a few milliseconds a run.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    const std::vector<std::string> args(argv + 1, argv + argc);
    int status = omenary::cli::Run(args, std::cout, std::cerr);
    // A script must not take truncated output for success: what did not reach standard output is a
    // failure of the run.
    std::cout.flush();
    errno = 0;
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        std::cerr << "omenary-cli: standard output could not be written"
                  << (errno != 0 ? std::string(" (") + std::strerror(errno) + ")" : std::string()) << "\n";
        if (status == 0) status = 1;
    }
    // Everything the run says is out; what is left to tear down is Qt's, which only costs time.
    std::fflush(stderr);
    std::_Exit(status);
}
