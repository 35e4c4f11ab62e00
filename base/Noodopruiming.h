#pragma once
// The name of a save's new file, taken away by a signal that ends the
// process: while the object lives, a signal whose action is still the
// system's default (which ends the process) first removes the name it was
// told of, then ends the process as the signal asks. A program's own
// handlers, and signals it ignores, are left alone: such a process goes on,
// and the save finishes or cleans up by itself.
namespace tarvo {

class Noodopruiming {
 public:
  Noodopruiming();
  ~Noodopruiming();
  Noodopruiming(const Noodopruiming&) = delete;
  Noodopruiming& operator=(const Noodopruiming&) = delete;

  // The name in the folder open as `map` exists from now on, until Vergeet.
  void Meld(int map, const char* naam);
  void Vergeet();

 private:
  [[maybe_unused]] int plaats_ = -1;  // not used where signals cannot be caught
};

}  // namespace tarvo
