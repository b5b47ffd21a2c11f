#pragma once
// The few operations the language lookup needs from an XML parser. The real adapter is the
// system's XML document object (MsXmlReader_win.h); tests use an in-memory double.
// Nothing here throws for a bad file: a missing or malformed file simply has no root.

#include <functional>
#include <memory>
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

class XmlReader {
  public:
    virtual ~XmlReader() = default;
    // Loads and parses the file; the root element, or null when the file is missing, is not
    // well-formed or has no root.
    virtual std::unique_ptr<XmlElement> LoadRoot(const std::wstring& path) = 0;
};

}  // namespace morvane
