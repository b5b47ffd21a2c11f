#pragma once
// The language file and its lookup: which file and locale section the program's texts come
// from, one text by key with its fallbacks, and the tag pass every localising form runs.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "shared/LangLookup.h"
#include "shared/RegistryApi.h"

namespace morvane::mdLang {

// "UID_" and the locale in decimal.
std::wstring SectionFor(std::int32_t locale);
// The language file of a program whose module lies in `moduleFolder`.
std::wstring FileIn(const std::wstring& moduleFolder);

// A program's language: which file and section its texts come from, and the lookup that reads
// them, one parse shared by a form's many lookups. The program's state holds it and hands it by
// reference to whatever shows a text.
class Language {
  public:
    // Full path of the language file, set once at start-up.
    std::wstring LangFile;
    // "UID_" and the decimal locale id, set once at start-up.
    std::wstring LangSection;

    // The parser behind GetLangText: the system's XML document object in the programs (see
    // mdLang_win.h), a double in tests. Without one every lookup gives its default.
    void SetXmlReader(std::shared_ptr<XmlReader> reader);

    // The text of `Key` in `Section` of the language file, else in "UID_1033", else `Default`.
    // A missing or malformed file, section or key only makes it fall back; it never throws.
    std::wstring GetLangText(const std::wstring& LangFile, const std::wstring& Section,
                             const std::wstring& Key, const std::wstring& Default);
    // GetLangText in this language's own file and section.
    std::wstring Text(const std::wstring& Key, const std::wstring& Default);

  private:
    std::unique_ptr<LangCache> lookup_;
};

// The add-in's set-up, once the host's version is known: the section of the host's interface
// language ("CurrentUI" of the host version's "MS Project" key under HKEY_CURRENT_USER in
// `registry`, 1033 when unreadable), the file beside the module in `moduleFolder`. A failing
// step ends it and keeps what was set before; nothing leaves it. (Windows: InitLanguage in
// mdLang_win.h.)
void InitLanguage(Language& language, RegistryApi& registry, const std::wstring& hostVersion,
                  const std::function<std::optional<std::wstring>()>& moduleFolder);

// A form's controls as the tag pass sees them.
class TaggedControls {
  public:
    virtual ~TaggedControls() = default;
    virtual std::size_t Count() const = 0;
    virtual std::wstring Tag(std::size_t index) const = 0;
    // False when the control has no caption.
    virtual bool Caption(std::size_t index, std::wstring& caption) const = 0;
    virtual void SetCaption(std::size_t index, const std::wstring& caption) = 0;
};

// Every control with a tag and a caption gets the tag's text in the language, its current
// caption the default.
void LocalizeTags(Language& language, TaggedControls& controls);

}  // namespace morvane::mdLang
