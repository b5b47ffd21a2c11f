#pragma once
// In-memory double of the XML parser: documents by path, built in the test, with versions
// that the test moves on when it "replaces" a file.

#include <map>
#include <string>
#include <list>

#include "shared/XmlReader.h"

namespace morvane::test {

struct FakeXmlNode {
    std::wstring name;
    // The element's own text, which comes before its children's.
    std::wstring text;
    std::list<FakeXmlNode> children;  // a list: Add keeps earlier children in place

    // Appends a child and returns it, for building sections and their texts.
    FakeXmlNode& Add(const std::wstring& childName, const std::wstring& childText = {});
};

class FakeXmlReader : public XmlReader {
  public:
    // The document that loading `path` gives; a path without one does not load. A new
    // document has a version.
    FakeXmlNode& Document(const std::wstring& path, const std::wstring& rootName = L"Language");
    void Remove(const std::wstring& path);
    // As when the file is replaced: its version changes.
    void NewVersion(const std::wstring& path);
    // As for a file whose changes cannot be told apart.
    void Unversioned(const std::wstring& path) { versions_[path].reset(); }

    std::optional<FileVersion> VersionOf(const std::wstring& path) override;
    std::unique_ptr<XmlElement> LoadRoot(const std::wstring& path) override;

    int loads = 0;
    // Makes LoadRoot throw, as a parser out of memory would.
    bool throws = false;

  private:
    std::map<std::wstring, FakeXmlNode> documents_;
    std::map<std::wstring, std::optional<FileVersion>> versions_;
};

}  // namespace morvane::test
