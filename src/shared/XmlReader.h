#pragma once
// The few operations the language lookup needs from an XML parser, and the version of a file,
// by which a parsed file is known to be still current. The real adapter is the system's XML
// document object (MsXmlReader_win.h); tests use an in-memory double.
// Nothing here throws for a bad file: a missing or malformed file simply has no root.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace morvane {

class XmlElement {
  public:
    virtual ~XmlElement() = default;
    // The element's text content; attributes are not part of it.
    virtual std::wstring Text() const = 0;
    // The first child element with this name, or null.
    virtual std::unique_ptr<XmlElement> FirstChild(const std::wstring& name) const = 0;
    // Every child element in document order, with its name.
    virtual void ForEachChild(const std::function<void(const std::wstring& name,
                                                       const XmlElement& child)>& visit) const = 0;
};

// One state of a file. Its change time moves with every write, rename and time-stamp change,
// and copying tools do not set it, so a copy that keeps the size and the last-write time of
// the file it replaces is still a new version.
struct FileVersion {
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0;
    std::int64_t changed = 0;
    bool operator==(const FileVersion&) const = default;
};

class XmlReader {
  public:
    virtual ~XmlReader() = default;
    // Nothing when the file is missing, or when its next version could not be told from this
    // one (no change time, or one too recent for the file system's clock to have moved since).
    virtual std::optional<FileVersion> VersionOf(const std::wstring& path) = 0;
    // Loads and parses the file; the root element, or null when the file is missing, is not
    // well-formed or has no root.
    virtual std::unique_ptr<XmlElement> LoadRoot(const std::wstring& path) = 0;
};

}  // namespace morvane
