#include "language/XmlReaderContract.h"

#include <vector>

namespace morvane::test {

namespace {

// Characters of the basic plane only: what the language file's texts need.
void AppendUtf8(std::string& out, wchar_t c) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

void AppendEscaped(std::string& out, const std::wstring& text) {
    for (const wchar_t c : text) {
        switch (c) {
            case L'&':
                out += "&amp;";
                break;
            case L'<':
                out += "&lt;";
                break;
            case L'>':
                out += "&gt;";
                break;
            default:
                AppendUtf8(out, c);
        }
    }
}

void AppendElement(std::string& out, const FakeXmlNode& node) {
    std::string name;
    AppendEscaped(name, node.name);
    out += "<" + name + ">";
    AppendEscaped(out, node.text);
    for (const FakeXmlNode& child : node.children) {
        AppendElement(out, child);
    }
    out += "</" + name + ">";
}

std::vector<std::wstring> ChildNames(const XmlElement& element) {
    std::vector<std::wstring> names;
    element.ForEachChild(
        [&](const std::wstring& name, const XmlElement&) { names.push_back(name); });
    return names;
}

struct KeyText {
    const wchar_t* key;
    std::wstring text;
};

// The text of each key's element among the section's children.
void ExpectTexts(const XmlElement& section, const std::vector<KeyText>& cases) {
    for (const auto& c : cases) {
        const auto element = section.FirstChild(c.key);
        ASSERT_NE(element, nullptr) << c.key;
        EXPECT_EQ(element->Text(), c.text) << c.key;
    }
}

TEST_P(XmlReaderContract, AMissingDocumentHasNoRoot) {
    EXPECT_EQ(world->Reader().LoadRoot(world->Missing()), nullptr);
}

TEST_P(XmlReaderContract, ChildrenByNameAndInDocumentOrder) {
    FakeXmlNode root{L"AnyName", L"", {}};
    FakeXmlNode& section = root.Add(L"UID_1033");
    section.Add(L"OK", L"first");
    section.Add(L"ok", L"other case");
    section.Add(L"OK", L"second");
    root.Add(L"UID_2052");
    const auto loaded = Load(root);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(ChildNames(*loaded), (std::vector<std::wstring>{L"UID_1033", L"UID_2052"}));
    const auto english = loaded->FirstChild(L"UID_1033");
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(ChildNames(*english), (std::vector<std::wstring>{L"OK", L"ok", L"OK"}));
    const auto ok = english->FirstChild(L"OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Text(), L"first");
    EXPECT_EQ(english->FirstChild(L"Ok"), nullptr) << "names are case-sensitive";
    EXPECT_EQ(loaded->FirstChild(L"OK"), nullptr) << "only children, not grandchildren";
}

// An element's text is the text of its whole subtree, in document order: what the lookup reads
// for an entry that holds elements of its own.
TEST_P(XmlReaderContract, TextIsTheWholeSubtreesText) {
    FakeXmlNode root{L"Language", L"", {}};
    FakeXmlNode& section = root.Add(L"UID_1033");
    section.Add(L"Plain", L"&Save all");
    section.Add(L"Marks", L"a < b > c & d");
    section.Add(L"Chinese", L"\x786E\x5B9A");
    section.Add(L"Empty");
    FakeXmlNode& mixed = section.Add(L"Mixed", L"Save");
    mixed.Add(L"b", L"All");
    mixed.Add(L"i").Add(L"u", L"Now");
    section.Add(L"Nested").Add(L"b").Add(L"i", L"Deep");
    const auto loaded = Load(root);
    ASSERT_NE(loaded, nullptr);
    const auto english = loaded->FirstChild(L"UID_1033");
    ASSERT_NE(english, nullptr);
    ExpectTexts(*english, {
                              {L"Plain", L"&Save all"},
                              {L"Marks", L"a < b > c & d"},
                              {L"Chinese", L"\x786E\x5B9A"},
                              {L"Empty", L""},
                              {L"Mixed", L"SaveAllNow"},
                              {L"Nested", L"Deep"},
                          });
    EXPECT_EQ(english->Text(), L"&Save alla < b > c & d\x786E\x5B9ASaveAllNowDeep");
}

// White space is not preserved, the reader's default: an element's text loses the blanks and
// line breaks at its two ends, wherever in the subtree they are, and every run of white space
// between words becomes one blank. Wine's reader trims the ends alike but keeps the runs
// between words as they are.
TEST_P(XmlReaderContract, TextLosesTheWhiteSpaceAtItsEnds) {
    FakeXmlNode root{L"Language", L"", {}};
    FakeXmlNode& section = root.Add(L"UID_1033");
    section.Add(L"Blanks", L"  Show all windows  ");
    section.Add(L"Lines", L"\r\n\t Show all windows \n  \t\r\n");
    section.Add(L"OnlyWhiteSpace", L" \r\n\t ");
    FakeXmlNode& mixed = section.Add(L"Mixed", L"\n  Save ");
    mixed.Add(L"b", L"all\n  ");
    section.Add(L"Runs", L" two  blanks\n\tand a line ");
    const auto loaded = Load(root);
    ASSERT_NE(loaded, nullptr);
    const auto english = loaded->FirstChild(L"UID_1033");
    ASSERT_NE(english, nullptr);
    ExpectTexts(*english,
                {
                    {L"Blanks", L"Show all windows"},
                    {L"Lines", L"Show all windows"},
                    {L"OnlyWhiteSpace", L""},
                    {L"Mixed", L"Save all"},
                    {L"Runs", GetParam().keepsRunsBetweenWords ? L"two  blanks\n\tand a line"
                                                               : L"two blanks and a line"},
                });
}

TEST_P(XmlReaderContract, AnElementOutlivesItsParentAndTheReadersNextLoad) {
    FakeXmlNode root{L"Language", L"", {}};
    root.Add(L"UID_1033").Add(L"OK", L"kept");
    std::unique_ptr<XmlElement> ok;
    {
        const auto loaded = Load(root);
        ASSERT_NE(loaded, nullptr);
        const auto english = loaded->FirstChild(L"UID_1033");
        ASSERT_NE(english, nullptr);
        ok = english->FirstChild(L"OK");
    }
    root.children.front().children.front().text = L"replaced";
    ASSERT_NE(Load(root), nullptr);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->Text(), L"kept");
}

}  // namespace

std::string ToXml(const FakeXmlNode& root) {
    std::string out = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n";
    AppendElement(out, root);
    return out;
}

}  // namespace morvane::test
