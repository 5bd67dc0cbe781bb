// Giving the pages the process does not use back to the system.
#pragma once

#include <windows.h>

namespace ondrave::win32 {

class WorkingSet {
 public:
  WorkingSet() = default;
  ~WorkingSet();
  WorkingSet(const WorkingSet&) = delete;
  WorkingSet& operator=(const WorkingSet&) = delete;

  // Asks the system to take as many of the process's pages out of physical
  // memory as it can. The system entry is looked up by name at the first
  // call; when it cannot be reached the process ends by FatalError.
  void Trim();

 private:
  using SetWorkingSetSize = BOOL(WINAPI*)(HANDLE process, SIZE_T minimum, SIZE_T maximum);
  HMODULE library_ = nullptr;
  SetWorkingSetSize entry_ = nullptr;
};

}  // namespace ondrave::win32
