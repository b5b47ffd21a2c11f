#pragma once
// Executable memory for the subclasses' per-object window procedures. The tests link a version
// of their own that poisons a freed block and keeps it, so that any later use of it fails at once.

#include <cstddef>

namespace morvane {

// nullptr when no executable memory can be had.
void* AllocateStubMemory(std::size_t size);
void FreeStubMemory(void* block);

}  // namespace morvane
