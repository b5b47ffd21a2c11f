#include "support/FakeXmlReader.h"

#include <memory>
#include <stdexcept>

namespace morvane::test {

namespace {

// The element's own text, then its children's, in document order.
std::wstring SubtreeText(const FakeXmlNode& node) {
    std::wstring text = node.text;
    for (const FakeXmlNode& child : node.children) {
        text += SubtreeText(child);
    }
    return text;
}

bool IsXmlSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

// As the real reader documents its text while white space is not preserved: without leading
// and trailing white space, and every run of it between words one blank.
std::wstring Normalized(const std::wstring& text) {
    std::wstring normal;
    bool inSpace = false;
    for (const wchar_t c : text) {
        if (IsXmlSpace(c)) {
            inSpace = true;
            continue;
        }
        if (inSpace && !normal.empty()) {
            normal += L' ';
        }
        inSpace = false;
        normal += c;
    }
    return normal;
}

// A loaded document keeps its own copy, as a parsed file does.
class FakeElement final : public XmlElement {
  public:
    FakeElement(std::shared_ptr<const FakeXmlNode> document, const FakeXmlNode& node)
        : document_(std::move(document)), node_(node) {}

    std::wstring Text() const override { return Normalized(SubtreeText(node_)); }

    std::unique_ptr<XmlElement> FirstChild(const std::wstring& name) const override {
        for (const FakeXmlNode& child : node_.children) {
            if (child.name == name) {
                return std::make_unique<FakeElement>(document_, child);
            }
        }
        return nullptr;
    }

    void ForEachChild(const std::function<void(const std::wstring& name, const XmlElement& child)>&
                          visit) const override {
        for (const FakeXmlNode& child : node_.children) {
            visit(child.name, FakeElement(document_, child));
        }
    }

  private:
    std::shared_ptr<const FakeXmlNode> document_;
    const FakeXmlNode& node_;
};

}  // namespace

FakeXmlNode& FakeXmlNode::Add(const std::wstring& childName, const std::wstring& childText) {
    children.push_back({childName, childText, {}});
    return children.back();
}

FakeXmlNode& FakeXmlReader::Document(const std::wstring& path, const std::wstring& rootName) {
    FakeXmlNode& root = documents_[path];
    root.name = rootName;
    versions_.try_emplace(path, FileVersion{1, 1, 1});
    return root;
}

void FakeXmlReader::Remove(const std::wstring& path) {
    documents_.erase(path);
    versions_.erase(path);
}

void FakeXmlReader::NewVersion(const std::wstring& path) {
    std::optional<FileVersion>& version = versions_[path];
    version = FileVersion{1, 1, version ? version->changed + 1 : 1};
}

std::optional<FileVersion> FakeXmlReader::VersionOf(const std::wstring& path) {
    const auto version = versions_.find(path);
    return version == versions_.end() ? std::nullopt : version->second;
}

std::unique_ptr<XmlElement> FakeXmlReader::LoadRoot(const std::wstring& path) {
    ++loads;
    if (throws) {
        throw std::runtime_error("parser failed");
    }
    const auto document = documents_.find(path);
    if (document == documents_.end()) {
        return nullptr;
    }
    auto copy = std::make_shared<const FakeXmlNode>(document->second);
    return std::make_unique<FakeElement>(copy, *copy);
}

}  // namespace morvane::test
