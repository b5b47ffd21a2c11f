#pragma once
// A file's version as Windows keeps it: size, last-write and change time, read by path
// without opening the file (opening is slow under Wine, and a lookup asks at every call).

#include <optional>
#include <string>

#include "shared/XmlReader.h"

namespace morvane {

// Nothing for a missing file or a folder, on a file system without change times, and while
// the change time is too recent to tell this version from a next one.
std::optional<FileVersion> FileVersionOf(const std::wstring& path);

}  // namespace morvane
