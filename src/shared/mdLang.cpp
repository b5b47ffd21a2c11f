#include "shared/mdLang.h"

#include "shared/LangLookup.h"
#include "shared/mdReg.h"

namespace morvane::mdLang {

namespace {

// One lookup for the whole program, so a form's many lookups share one parse.
std::unique_ptr<LangCache>& Lookup() {
    static std::unique_ptr<LangCache> lookup;
    return lookup;
}

}  // namespace

std::wstring SectionFor(std::int32_t locale) {
    return L"UID_" + std::to_wstring(locale);
}

std::wstring FileIn(const std::wstring& moduleFolder) {
    return moduleFolder + L"\\Language\\language_Quma.xml";
}

void InitLanguage(const std::wstring& hostVersion,
                  const std::function<std::optional<std::wstring>()>& moduleFolder) {
    try {
        // 1033 also when a read succeeds without giving a number.
        std::int32_t locale = 1033;
        if (!mdReg::GetRegValue(RootKey::CurrentUser,
                                L"Software\\Microsoft\\Office\\" + hostVersion + L"\\MS Project",
                                L"CurrentUI", locale)) {
            locale = 1033;
        }
        LangSection = SectionFor(locale);
        const std::optional<std::wstring> folder = moduleFolder();
        if (folder) {
            LangFile = FileIn(*folder);
        }
    } catch (...) {
        // What was set stays set.
    }
}

void SetXmlReader(std::shared_ptr<XmlReader> reader) {
    Lookup() = reader ? std::make_unique<LangCache>(std::move(reader)) : nullptr;
}

std::wstring GetLangText(const std::wstring& LangFile, const std::wstring& Section,
                         const std::wstring& Key, const std::wstring& Default) {
    const std::unique_ptr<LangCache>& lookup = Lookup();
    return lookup ? lookup->Text(LangFile, Section, Key, Default) : Default;
}

void LocalizeTags(TaggedControls& controls) {
    for (std::size_t i = 0; i < controls.Count(); ++i) {
        const std::wstring tag = controls.Tag(i);
        std::wstring caption;
        if (!tag.empty() && controls.Caption(i, caption)) {
            controls.SetCaption(i, GetLangText(LangFile, LangSection, tag, caption));
        }
    }
}

}  // namespace morvane::mdLang
