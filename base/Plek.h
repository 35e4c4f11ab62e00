#pragma once
// Where a save writes on a POSIX system: an open folder and a name in it,
// found by following symbolic links one at a time, as the system would but
// knowing where each one points. Every later step works relative to that
// folder: a path the system accepts never grows too long on the way, and a
// folder renamed or swapped meanwhile does not send the save elsewhere.
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "base/Uitkomst.h"

namespace tarvo {

// An open file descriptor, closed with the object.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor();
  Descriptor(Descriptor&& ander) noexcept : fd_(ander.fd_) { ander.fd_ = -1; }
  Descriptor& operator=(Descriptor&& ander) noexcept;
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int Fd() const { return fd_; }
  bool Open() const { return fd_ >= 0; }

 private:
  int fd_;
};

// A folder for *at calls: an open descriptor of it. Under Node a folder's
// descriptor is no more than its path, and a folder the user may write but
// not read cannot be opened at all: there it is its path.
class Map {
 public:
  // The folder `pad` names, from `vanuit` when it is relative (nullptr: the current folder).
  static Map Van(const Map* vanuit, const std::filesystem::path& pad);

  // Whether it could be opened; errno says why not.
  bool Open() const;
  // The two first arguments of an *at call for `naam` in this folder.
  int Fd() const;
  std::string In(const std::string& naam) const;
  // fstat of the folder.
  int Status(struct stat& st) const;

 private:
  Descriptor fd_;
  std::string pad_;  // under Node
  bool open_ = false;
};

struct Plek {
  Map map;
  std::string naam;           // never empty, ".", ".." or a link
  std::filesystem::path pad;  // the way there, to name it in messages
  bool bestaat = false;
  struct stat status {};  // of the file, when it exists
};

// The place a save of `pad` writes. The failure is the reason for "(...)":
// the system's (a loop is ELOOP, a folder EISDIR) or one naming a link in a
// shared sticky folder that neither the user nor the folder's owner owns.
Uitkomst<Plek> ZoekPlek(const std::filesystem::path& pad);

// The effective user, also under Node, where the C library says root.
uid_t EigenGebruiker();

}  // namespace tarvo
