#pragma once
// The language lookup's XML parser on Windows: the system's XML document object, with file
// versions from FileVersion_win.h.

#include <memory>

#include "shared/XmlReader.h"

namespace morvane {

// Loads synchronously, without resolving external entities. Works on a thread without COM:
// it then initialises COM for as long as a loaded element lives, and undoes it.
std::shared_ptr<XmlReader> MakeMsXmlReader();

}  // namespace morvane
