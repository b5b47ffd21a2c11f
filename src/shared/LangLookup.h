#pragma once
// Finding one text in a language file: the root's children are the sections ("UID_" and a
// locale id), their children the texts, named by key. An empty text counts as missing.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "shared/XmlReader.h"

namespace morvane::mdLang {

// The English section, and the fallback for every other.
inline const std::wstring kFallbackSection = L"UID_1033";

// The fallback order: the text in `section`, else in the fallback section, else `def`.
// `textIn` answers a key's text in one section, empty when the section has none.
std::wstring ChooseText(const std::function<std::wstring(const std::wstring& section)>& textIn,
                        const std::wstring& section, const std::wstring& def);

// Parses the file for this one lookup.
std::wstring LookUpOnce(XmlReader& reader, const std::wstring& file, const std::wstring& section,
                        const std::wstring& key, const std::wstring& def);

// Every text of a parsed file, as the lookup reads it: per section and key, the first element
// of that name (later duplicates are never reached).
class LangTable {
  public:
    static LangTable From(const XmlElement& root);
    // Empty when the section or the key is missing.
    std::wstring Text(const std::wstring& section, const std::wstring& key) const;

  private:
    std::map<std::wstring, std::map<std::wstring, std::wstring>> sections_;
};

// Lookups that parse a file once and keep its texts while it is the same version of the same
// file. A file whose version is unknown is parsed for every lookup.
class LangCache {
  public:
    explicit LangCache(std::shared_ptr<XmlReader> reader);
    // The text for `key`, with the fallbacks of ChooseText. Never throws.
    std::wstring Text(const std::wstring& file, const std::wstring& section,
                      const std::wstring& key, const std::wstring& def);

  private:
    std::shared_ptr<const LangTable> TableOf(const std::wstring& file, FileVersion version);

    std::shared_ptr<XmlReader> reader_;
    std::wstring file_;
    std::optional<FileVersion> version_;
    std::shared_ptr<const LangTable> table_;
};

}  // namespace morvane::mdLang
