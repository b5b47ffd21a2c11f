#include "shared/MsXmlReader_win.h"

#include <windows.h>
#include <msxml2.h>

#include "shared/Com_win.h"
#include "shared/FileVersion_win.h"
#include "shared/Trace.h"

namespace morvane {

namespace {

// MSXML's DOM document, version-independent class, and its document interface.
const CLSID kDomDocument = {
    0xF6D90F11, 0x9C73, 0x11D3, {0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4}};
const IID kIXMLDOMDocument = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

using Apartment = std::shared_ptr<com::Apartment>;

class MsXmlElement final : public XmlElement {
  public:
    MsXmlElement(Apartment apartment, com::ComPtr<IXMLDOMNode> node)
        : apartment_(std::move(apartment)), node_(std::move(node)) {}

    std::wstring Text() const override {
        com::Bstr text;
        return SUCCEEDED(node_->get_text(text.Put())) ? text.Text() : std::wstring();
    }

    std::unique_ptr<XmlElement> FirstChild(const std::wstring& name) const override {
        std::unique_ptr<XmlElement> found;
        Walk([&](const std::wstring& childName, const com::ComPtr<IXMLDOMNode>& child) {
            if (childName != name) {
                return true;
            }
            found = std::make_unique<MsXmlElement>(apartment_, child);
            return false;
        });
        return found;
    }

    void ForEachChild(const std::function<void(const std::wstring& name, const XmlElement& child)>&
                          visit) const override {
        Walk([&](const std::wstring& childName, const com::ComPtr<IXMLDOMNode>& child) {
            visit(childName, MsXmlElement(apartment_, child));
            return true;
        });
    }

  private:
    // Calls `step` with each child element and its name, until it answers false.
    void Walk(const std::function<bool(const std::wstring& name,
                                       const com::ComPtr<IXMLDOMNode>& child)>& step) const {
        com::ComPtr<IXMLDOMNode> child;
        if (FAILED(node_->get_firstChild(child.Put()))) {
            return;
        }
        while (child) {
            DOMNodeType type = NODE_INVALID;
            com::Bstr name;
            if (SUCCEEDED(child->get_nodeType(&type)) && type == NODE_ELEMENT &&
                SUCCEEDED(child->get_nodeName(name.Put())) && !step(name.Text(), child)) {
                return;
            }
            com::ComPtr<IXMLDOMNode> next;
            if (FAILED(child->get_nextSibling(next.Put()))) {
                return;
            }
            child = std::move(next);
        }
    }

    // Declared first so that COM outlives the node.
    Apartment apartment_;
    com::ComPtr<IXMLDOMNode> node_;
};

class MsXmlReader final : public XmlReader {
  public:
    std::optional<FileVersion> VersionOf(const std::wstring& path) override {
        return FileVersionOf(path);
    }

    std::unique_ptr<XmlElement> LoadRoot(const std::wstring& path) override {
        auto apartment = std::make_shared<com::Apartment>();
        com::ComPtr<IXMLDOMDocument> document;
        if (const HRESULT hr =
                CoCreateInstance(kDomDocument, nullptr, CLSCTX_INPROC_SERVER, kIXMLDOMDocument,
                                 reinterpret_cast<void**>(document.Put()));
            FAILED(hr)) {
            TraceFailure(L"CoCreateInstance of the XML document", hr);
            return nullptr;
        }
        document->put_async(VARIANT_FALSE);
        document->put_resolveExternals(VARIANT_FALSE);
        const com::Variant source = com::Variant::Text(path);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        // A file that is not there or not XML answers S_FALSE: the lookups give their defaults.
        if (const HRESULT hr = document->load(*source.Get(), &loaded); FAILED(hr)) {
            TraceFailure(L"IXMLDOMDocument::load", hr);
            return nullptr;
        }
        if (loaded != VARIANT_TRUE) {
            return nullptr;
        }
        IXMLDOMElement* root = nullptr;
        if (FAILED(document->get_documentElement(&root)) || !root) {
            return nullptr;
        }
        return std::make_unique<MsXmlElement>(apartment, com::ComPtr<IXMLDOMNode>::Attach(root));
    }
};

}  // namespace

std::shared_ptr<XmlReader> MakeMsXmlReader() {
    return std::make_shared<MsXmlReader>();
}

}  // namespace morvane
