#pragma once
// The XML reader's contract: one suite that runs against the double natively and against the
// system's XML document object under Wine, so that a language file reads one way in the tests
// and in the add-in alike.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "shared/XmlReader.h"
#include "support/FakeXmlReader.h"

namespace morvane::test {

// A reader and a place to put documents where it finds them.
class XmlWorld {
  public:
    virtual ~XmlWorld() = default;
    virtual XmlReader& Reader() = 0;
    // Puts a document with this root under the file name; the path to load it by.
    virtual std::wstring Put(const std::wstring& fileName, const FakeXmlNode& root) = 0;
    // A path where there is no document.
    virtual std::wstring Missing() = 0;
};

struct XmlTarget {
    std::string name;
    std::function<std::unique_ptr<XmlWorld>()> make;
    // Wine's reader keeps runs of white space between words, which Microsoft's documents as
    // collapsed into one blank.
    bool keepsRunsBetweenWords = false;

    friend void PrintTo(const XmlTarget& target, std::ostream* os) { *os << target.name; }
};

class XmlReaderContract : public ::testing::TestWithParam<XmlTarget> {
  protected:
    void SetUp() override { world = GetParam().make(); }
    std::unique_ptr<XmlElement> Load(const FakeXmlNode& root) {
        return world->Reader().LoadRoot(world->Put(L"doc.xml", root));
    }

    std::unique_ptr<XmlWorld> world;
};

// The document as XML text in UTF-8, its text escaped, for writing a real file.
std::string ToXml(const FakeXmlNode& root);

}  // namespace morvane::test
