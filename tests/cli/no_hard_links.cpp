// Preloaded into omenary-cli: a file system without hard links (FAT), where every link() fails.
#include <cerrno>

extern "C" int link(const char* /*from*/, const char* /*to*/) {
    return errno = EPERM, -1;
}
