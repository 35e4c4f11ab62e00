// Emscripten's C library declares the extended-attribute calls but has none.
// Its file systems keep no extended attributes: a save finds none to carry over.
#include <sys/xattr.h>

#include <cerrno>

extern "C" {
ssize_t listxattr(const char*, char*, size_t) {
  errno = ENOTSUP;
  return -1;
}
ssize_t getxattr(const char*, const char*, void*, size_t) {
  errno = ENOTSUP;
  return -1;
}
int fsetxattr(int, const char*, const void*, size_t, int) {
  errno = ENOTSUP;
  return -1;
}
}
