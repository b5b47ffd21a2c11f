#include "shared/mdLang.h"

#include <gtest/gtest.h>

#include <vector>

#include "language/XmlReaderContract.h"
#include "shared/LangLookup.h"
#include "shared/mdPub.h"
#include "support/FakeRegistry.h"
#include "support/FakeXmlReader.h"

namespace morvane::test {
namespace {

class FakeXmlWorld final : public XmlWorld {
  public:
    XmlReader& Reader() override { return reader_; }
    std::wstring Put(const std::wstring& fileName, const FakeXmlNode& root) override {
        const std::wstring path = L"C:\\Documents\\" + fileName;
        reader_.Document(path, root.name) = root;
        reader_.NewVersion(path);
        return path;
    }
    std::wstring Missing() override { return L"C:\\Documents\\missing.xml"; }

  private:
    FakeXmlReader reader_;
};

INSTANTIATE_TEST_SUITE_P(Double, XmlReaderContract,
                         ::testing::Values(XmlTarget{
                             "FakeXmlReader", [] { return std::make_unique<FakeXmlWorld>(); }}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace morvane::test

namespace morvane::mdLang {
namespace {

class InitLanguageTest : public ::testing::Test {
  protected:
    static std::optional<std::wstring> Tools() { return L"C:\\Tools"; }
    static std::optional<std::wstring> NoFolder() { return std::nullopt; }

    std::wstring HostVersion = L"14.0";
    const std::wstring key = L"Software\\Microsoft\\Office\\14.0\\MS Project";
    std::shared_ptr<test::FakeRegistry> registry = std::make_shared<test::FakeRegistry>();
    Language language;
    std::wstring& LangFile = language.LangFile;
    std::wstring& LangSection = language.LangSection;
};

TEST_F(InitLanguageTest, SectionFromTheHostsInterfaceLanguage) {
    registry->PutDword(RootKey::CurrentUser, key, L"CurrentUI", 2052);
    InitLanguage(language, *registry, HostVersion, Tools);
    EXPECT_EQ(LangSection, L"UID_2052");
    EXPECT_EQ(LangFile, L"C:\\Tools\\Language\\language_Quma.xml");

    HostVersion = L"12.0";  // another host version reads another key
    InitLanguage(language, *registry, HostVersion, NoFolder);
    EXPECT_EQ(LangSection, L"UID_1033");
    EXPECT_EQ(LangFile, L"C:\\Tools\\Language\\language_Quma.xml") << "kept when no folder";
}

TEST_F(InitLanguageTest, EnglishWhenTheValueGivesNoLocale) {
    const std::function<void()> unreadable[] = {
        [&] { registry->Delete(RootKey::CurrentUser, key, L"CurrentUI"); },
        [&] { registry->PutText(RootKey::CurrentUser, key, L"CurrentUI", L"Chinese"); },
        [&] { registry->Fail("OpenRead"); },
    };
    for (const auto& makeUnreadable : unreadable) {
        registry->PutDword(RootKey::CurrentUser, key, L"CurrentUI", 2052);
        makeUnreadable();
        LangSection = L"UID_2052";
        InitLanguage(language, *registry, HostVersion, Tools);
        EXPECT_EQ(LangSection, L"UID_1033");
    }
    EXPECT_NO_THROW(InitLanguage(
        language, *registry, HostVersion,
        []() -> std::optional<std::wstring> { throw std::runtime_error("no folder"); }));
}

// The same cases through the lookup that parses per call and through the cache.
class LookupTest : public ::testing::Test {
  protected:
    LookupTest() {
        test::FakeXmlNode& root = reader->Document(file);
        test::FakeXmlNode& chinese = root.Add(L"UID_2052");
        chinese.Add(L"OK", L"\x786E\x5B9A");
        chinese.Add(L"Cancel", L"");
        chinese.Add(L"Twice", L"");
        chinese.Add(L"Twice", L"second");
        test::FakeXmlNode& english = root.Add(L"UID_1033");
        english.Add(L"OK", L"&OK");
        english.Add(L"Cancel", L"&Cancel");
        english.Add(L"Only1033", L"English");
        english.Add(L"Twice", L"English twice");
        root.Add(L"UID_2052").Add(L"Later", L"never read");
    }

    std::vector<std::wstring> BothWays(const std::wstring& section, const std::wstring& key,
                                       const std::wstring& def) {
        LangCache cache(reader);
        return {LookUpOnce(*reader, file, section, key, def), cache.Text(file, section, key, def)};
    }

    std::wstring file = L"C:\\Morvane\\Language\\language_Quma.xml";
    std::shared_ptr<test::FakeXmlReader> reader = std::make_shared<test::FakeXmlReader>();
};

TEST_F(LookupTest, FallsBackFromSectionToEnglishToDefault) {
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* expected;
    } cases[] = {
        {L"UID_2052", L"OK", L"\x786E\x5B9A"},      // the locale's own text
        {L"UID_2052", L"Cancel", L"&Cancel"},       // empty in the locale: English
        {L"UID_2052", L"Only1033", L"English"},     // missing in the locale: English
        {L"UID_2052", L"Twice", L"English twice"},  // only the first element counts
        {L"UID_2052", L"Later", L"default"},        // only the first section counts
        {L"UID_2052", L"Nowhere", L"default"},      // in neither section
        {L"UID_1041", L"OK", L"&OK"},               // a section the file lacks
        {L"UID_1033", L"OK", L"&OK"},
    };
    for (const auto& c : cases) {
        for (const std::wstring& text : BothWays(c.section, c.key, L"default")) {
            EXPECT_EQ(text, c.expected) << c.section << " " << c.key;
        }
    }
}

TEST_F(LookupTest, AFileThatDoesNotLoadGivesTheDefault) {
    reader->Remove(file);
    for (const std::wstring& text : BothWays(L"UID_1033", L"OK", L"dflt")) {
        EXPECT_EQ(text, L"dflt");
    }
    reader->throws = true;
    for (const std::wstring& text : BothWays(L"UID_1033", L"OK", L"dflt")) {
        EXPECT_EQ(text, L"dflt");
    }
}

TEST_F(LookupTest, CacheParsesOnceWhileTheFileKeepsItsVersion) {
    LangCache cache(reader);
    EXPECT_EQ(cache.Text(file, L"UID_2052", L"Cancel", L""), L"&Cancel");
    EXPECT_EQ(cache.Text(file, L"UID_1033", L"OK", L""), L"&OK");
    EXPECT_EQ(reader->loads, 1);

    reader->Document(file).children.front().children.front().text = L"new";
    reader->NewVersion(file);
    EXPECT_EQ(cache.Text(file, L"UID_2052", L"OK", L""), L"new");
    EXPECT_EQ(cache.Text(file, L"UID_2052", L"OK", L""), L"new");
    EXPECT_EQ(reader->loads, 2);

    // A file whose version cannot be told is parsed for each lookup.
    reader->Unversioned(file);
    EXPECT_EQ(cache.Text(file, L"UID_2052", L"OK", L""), L"new");
    EXPECT_EQ(cache.Text(file, L"UID_2052", L"OK", L""), L"new");
    EXPECT_EQ(reader->loads, 4);

    // Another file is another cache entry, even at the same version.
    const std::wstring other = L"D:\\other.xml";
    reader->Document(other).Add(L"UID_1033").Add(L"OK", L"there");
    EXPECT_EQ(cache.Text(other, L"UID_1033", L"OK", L""), L"there");
    EXPECT_EQ(reader->loads, 5);

    // A file that stops loading gives defaults, not the texts it had.
    reader->Document(other).children.clear();
    reader->NewVersion(other);
    EXPECT_EQ(cache.Text(other, L"UID_1033", L"OK", L"dflt"), L"dflt");
    reader->Remove(other);
    EXPECT_EQ(cache.Text(other, L"UID_1033", L"OK", L"dflt"), L"dflt");
}

TEST(GetLangText, WithoutAParserEveryLookupGivesItsDefault) {
    Language language;
    EXPECT_EQ(language.GetLangText(L"C:\\x.xml", L"UID_1033", L"OK", L"&OK"), L"&OK");
}

class Controls : public TaggedControls {
  public:
    struct Control {
        std::wstring tag;
        std::optional<std::wstring> caption;
    };
    std::vector<Control> controls;

    std::size_t Count() const override { return controls.size(); }
    std::wstring Tag(std::size_t index) const override { return controls.at(index).tag; }
    bool Caption(std::size_t index, std::wstring& caption) const override {
        if (!controls.at(index).caption) {
            return false;
        }
        caption = *controls.at(index).caption;
        return true;
    }
    void SetCaption(std::size_t index, const std::wstring& caption) override {
        controls.at(index).caption = caption;
    }
};

TEST(LocalizeTags, TaggedCaptionsTakeTheirKeysText) {
    auto reader = std::make_shared<test::FakeXmlReader>();
    Language language;
    language.LangFile = L"C:\\Morvane\\Language\\language_Quma.xml";
    language.LangSection = L"UID_2052";
    reader->Document(language.LangFile).Add(L"UID_2052").Add(L"Exit", L"\x9000\x51FA");
    language.SetXmlReader(reader);

    Controls form;
    form.controls = {{L"Exit", L"E&xit"},
                     {L"NoSuchKey", L"Design text"},
                     {L"", L"Untagged"},
                     {L"Project", std::nullopt}};
    LocalizeTags(language, form);
    EXPECT_EQ(form.controls[0].caption, L"\x9000\x51FA");
    EXPECT_EQ(form.controls[1].caption, L"Design text");
    EXPECT_EQ(form.controls[2].caption, L"Untagged");
    EXPECT_EQ(form.controls[3].caption, std::nullopt);
    EXPECT_EQ(reader->loads, 1) << "the form's lookups share one parse";

    reader->Remove(language.LangFile);
    form.controls[0].caption = L"E&xit";
    LocalizeTags(language, form);
    EXPECT_EQ(form.controls[0].caption, L"E&xit") << "a missing file keeps the design text";
}

}  // namespace
}  // namespace morvane::mdLang
