#include "shared/mdLang.h"

#include "shared/mdReg.h"

namespace morvane::mdLang {

std::wstring SectionFor(std::int32_t locale) {
    return L"UID_" + std::to_wstring(locale);
}

std::wstring FileIn(const std::wstring& moduleFolder) {
    return moduleFolder + L"\\Language\\language_Quma.xml";
}

void InitLanguage(Language& language, RegistryApi& registry, const std::wstring& hostVersion,
                  const std::function<std::optional<std::wstring>()>& moduleFolder) {
    try {
        // 1033 also when a read succeeds without giving a number.
        std::int32_t locale = 1033;
        if (!mdReg::GetRegValue(registry, RootKey::CurrentUser,
                                L"Software\\Microsoft\\Office\\" + hostVersion + L"\\MS Project",
                                L"CurrentUI", locale)) {
            locale = 1033;
        }
        language.LangSection = SectionFor(locale);
        const std::optional<std::wstring> folder = moduleFolder();
        if (folder) {
            language.LangFile = FileIn(*folder);
        }
    } catch (...) {
        // What was set stays set.
    }
}

void Language::SetXmlReader(std::shared_ptr<XmlReader> reader) {
    lookup_ = reader ? std::make_unique<LangCache>(std::move(reader)) : nullptr;
}

std::wstring Language::GetLangText(const std::wstring& LangFile, const std::wstring& Section,
                                   const std::wstring& Key, const std::wstring& Default) {
    return lookup_ ? lookup_->Text(LangFile, Section, Key, Default) : Default;
}

std::wstring Language::Text(const std::wstring& Key, const std::wstring& Default) {
    return GetLangText(LangFile, LangSection, Key, Default);
}

void LocalizeTags(Language& language, TaggedControls& controls) {
    for (std::size_t i = 0; i < controls.Count(); ++i) {
        const std::wstring tag = controls.Tag(i);
        std::wstring caption;
        if (!tag.empty() && controls.Caption(i, caption)) {
            controls.SetCaption(i, language.Text(tag, caption));
        }
    }
}

}  // namespace morvane::mdLang
