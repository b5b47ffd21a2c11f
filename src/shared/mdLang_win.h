#pragma once
// The Windows side of the language set-up.

#include <optional>
#include <string>

#include "shared/mdLang.h"

namespace morvane::mdLang {

// The folder of the module that holds this code (the add-in library's in the add-in, the
// program's in the settings center), without a trailing separator; nothing when Windows
// cannot tell.
std::optional<std::wstring> ModuleFolder();

// The add-in's InitLanguage: on this module's folder, with the system's XML parser behind
// GetLangText. Called once by the connection, with the host's version.
void InitLanguage(Language& language, RegistryApi& registry, const std::wstring& hostVersion);

}  // namespace morvane::mdLang
