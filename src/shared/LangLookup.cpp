#include "shared/LangLookup.h"

namespace morvane::mdLang {

std::wstring ChooseText(const std::function<std::wstring(const std::wstring& section)>& textIn,
                        const std::wstring& section, const std::wstring& def) {
    std::wstring text = textIn(section);
    if (text.empty()) {
        text = textIn(kFallbackSection);
    }
    return text.empty() ? def : text;
}

std::wstring LookUpOnce(XmlReader& reader, const std::wstring& file, const std::wstring& section,
                        const std::wstring& key, const std::wstring& def) {
    try {
        const std::unique_ptr<XmlElement> root = reader.LoadRoot(file);
        const auto textIn = [&](const std::wstring& name) -> std::wstring {
            if (!root) {
                return {};
            }
            const std::unique_ptr<XmlElement> sectionElement = root->FirstChild(name);
            if (!sectionElement) {
                return {};
            }
            const std::unique_ptr<XmlElement> keyElement = sectionElement->FirstChild(key);
            return keyElement ? keyElement->Text() : std::wstring();
        };
        return ChooseText(textIn, section, def);
    } catch (...) {
        return def;
    }
}

LangTable LangTable::From(const XmlElement& root) {
    LangTable table;
    root.ForEachChild([&](const std::wstring& sectionName, const XmlElement& section) {
        const auto [texts, isFirst] = table.sections_.try_emplace(sectionName);
        if (!isFirst) {
            return;
        }
        section.ForEachChild([&](const std::wstring& key, const XmlElement& element) {
            if (texts->second.count(key) == 0) {
                texts->second.emplace(key, element.Text());
            }
        });
    });
    return table;
}

std::wstring LangTable::Text(const std::wstring& section, const std::wstring& key) const {
    const auto texts = sections_.find(section);
    if (texts == sections_.end()) {
        return {};
    }
    const auto text = texts->second.find(key);
    return text == texts->second.end() ? std::wstring() : text->second;
}

LangCache::LangCache(std::shared_ptr<XmlReader> reader) : reader_(std::move(reader)) {}

std::wstring LangCache::Text(const std::wstring& file, const std::wstring& section,
                             const std::wstring& key, const std::wstring& def) {
    try {
        std::optional<FileVersion> version = reader_->VersionOf(file);
        if (!version) {
            return LookUpOnce(*reader_, file, section, key, def);
        }
        const std::shared_ptr<const LangTable> table = TableOf(file, std::move(*version));
        const auto textIn = [&](const std::wstring& name) {
            return table ? table->Text(name, key) : std::wstring();
        };
        return ChooseText(textIn, section, def);
    } catch (...) {
        return def;
    }
}

std::shared_ptr<const LangTable> LangCache::TableOf(const std::wstring& file, FileVersion version) {
    if (file == file_ && version == version_) {
        return table_;
    }
    // Forget the old file first, so that a failure below cannot leave its texts in place.
    file_.clear();
    version_.reset();
    table_.reset();
    const std::unique_ptr<XmlElement> root = reader_->LoadRoot(file);
    std::shared_ptr<const LangTable> table =
        root ? std::make_shared<const LangTable>(LangTable::From(*root)) : nullptr;
    file_ = file;
    version_ = std::move(version);
    table_ = table;
    return table;
}

}  // namespace morvane::mdLang
