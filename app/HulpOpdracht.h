#pragma once
// tarvo --help and tarvo --version: a text on standard output, no window and
// no display. Exit status 0 written, 1 the text could not be written.

namespace tarvo {

// True when argv asks for the usage or the version alone.
bool IsHulpOpdracht(int argc, char** argv);

int HulpOpdracht(int argc, char** argv);

}  // namespace tarvo
