// The working-set trim: the C library's entry is found by name, its absence
// ends the program through FatalError, and a trim gives freed heap back.
#include "desktop/linux/working_set.h"

#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <vector>

#include "fatal_error_double.h"

namespace ondrave::linux_desktop {
namespace {

TEST(LookUpHeapTrimEntryTest, FindsTheCLibrarysEntry) {
  EXPECT_EQ(LookUpHeapTrimEntry("malloc_trim"), &malloc_trim);
}

TEST(LookUpHeapTrimEntryTest, AMissingEntryEndsTheProgramNamingIt) {
  try {
    LookUpHeapTrimEntry("ondrave_no_such_heap_trim");
    FAIL() << "FatalError was not called";
  } catch (const testing::FatalErrorRaised& error) {
    EXPECT_NE(std::string(error.what()).find("ondrave_no_such_heap_trim"), std::string::npos) << error.what();
  }
}

// Resident memory of this process in bytes.
long ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

TEST(TrimWorkingSetTest, GivesFreedHeapBackToTheSystem) {
  // Small blocks live on the heap, not in their own mappings; the last one
  // stays allocated so that freeing the others cannot shrink the heap's top
  // by itself. Only a trim returns the pages in between.
  constexpr std::size_t kBlocks = 16384, kBlockSize = 4096;
  std::vector<std::unique_ptr<char[]>> blocks;
  for (std::size_t i = 0; i < kBlocks; ++i) {
    blocks.emplace_back(new char[kBlockSize]);
    std::fill_n(blocks.back().get(), kBlockSize, static_cast<char>(i));
  }
  std::unique_ptr<char[]> pin = std::move(blocks.back());
  blocks.clear();
  const long beforeTrim = ResidentBytes();

  TrimWorkingSet();
  TrimWorkingSet();  // the entry found at the first call serves every later one

  const long released = beforeTrim - ResidentBytes();
  EXPECT_GT(released, static_cast<long>(kBlocks * kBlockSize / 2)) << "released " << released << " bytes";
}

}  // namespace
}  // namespace ondrave::linux_desktop
