// The lookup on real files through the system's XML document object.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "language/TempFolder.h"
#include "language/XmlReaderContract.h"
#include "shared/Com_win.h"
#include "shared/LangLookup.h"
#include "shared/MsXmlReader_win.h"
#include "shared/mdLang_win.h"
#include "support/FakeRegistry.h"

namespace morvane::test {
namespace {

class MsXmlWorld final : public XmlWorld {
  public:
    XmlReader& Reader() override { return *reader_; }
    std::wstring Put(const std::wstring& fileName, const FakeXmlNode& root) override {
        const std::wstring path = folder_.File(fileName);
        TempFolder::Write(path, ToXml(root));
        return path;
    }
    std::wstring Missing() override { return folder_.File(L"missing.xml"); }

  private:
    TempFolder folder_;
    std::shared_ptr<XmlReader> reader_ = MakeMsXmlReader();
};

// Wine's system library, not Microsoft's: Wine's ntdll names its version.
bool RunsOnWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

INSTANTIATE_TEST_SUITE_P(Real, XmlReaderContract,
                         ::testing::Values(XmlTarget{"MsXmlReader",
                                                     [] { return std::make_unique<MsXmlWorld>(); },
                                                     RunsOnWine()}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace morvane::test

namespace morvane::mdLang {
namespace {

const char kTwoSections[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<Texts>\n"
    "  <!-- <UID_2052><OK>commented out</OK></UID_2052> -->\n"
    "  <UID_2052>\n"
    "    <!-- a comment is not a text -->\n"
    "    <OK>\xE7\xA1\xAE\xE5\xAE\x9A</OK>\n"
    "    <Cancel></Cancel>\n"
    "    <Exit/>\n"
    "    <Save>  \n  </Save>\n"
    "    <Help lang=\"zh\" hint=\"ignored\">\xE5\xB8\xAE\xE5\x8A\xA9</Help>\n"
    "  </UID_2052>\n"
    "  <UID_1033>\n"
    "    <OK>&amp;OK</OK>\n"
    "    <Cancel>&amp;Cancel</Cancel>\n"
    "    <Exit>E&amp;xit</Exit>\n"
    "    <Save>&amp;Save</Save>\n"
    "    <Only1033 note=\"x\">English</Only1033>\n"
    "  </UID_1033>\n"
    "</Texts>\n";

// The last-write time to the full 100 ns, read from or put back onto a file.
FILETIME LastWrite(const std::wstring& file) {
    FILETIME time{};
    const HANDLE h = CreateFileW(file.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    GetFileTime(h, nullptr, nullptr, &time);
    CloseHandle(h);
    return time;
}

void PutBackLastWrite(const std::wstring& file, const FILETIME& time) {
    const HANDLE h = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, nullptr, &time);
    CloseHandle(h);
}

class LangFileTest : public ::testing::Test {
  protected:
    void SetUp() override { language.SetXmlReader(reader); }

    // The lookup that parses per call, GetLangText (which parses per call while the file is
    // fresh) and the texts a cache keeps must all agree.
    void ExpectText(const std::wstring& section, const std::wstring& key,
                    const std::wstring& expected) {
        EXPECT_EQ(LookUpOnce(*reader, file, section, key, L"default"), expected)
            << "per call: " << section << " " << key;
        EXPECT_EQ(language.GetLangText(file, section, key, L"default"), expected)
            << "GetLangText: " << section << " " << key;
        const std::unique_ptr<XmlElement> root = reader->LoadRoot(file);
        const LangTable table = root ? LangTable::From(*root) : LangTable();
        const auto textIn = [&](const std::wstring& name) { return table.Text(name, key); };
        EXPECT_EQ(ChooseText(textIn, section, L"default"), expected)
            << "kept texts: " << section << " " << key;
    }

    test::TempFolder folder;
    std::wstring file = folder.File(L"language_Quma.xml");
    std::shared_ptr<XmlReader> reader = MakeMsXmlReader();
    Language language;
    com::Apartment apartment;
};

TEST_F(LangFileTest, SectionsAndFallbacks) {
    test::TempFolder::Write(file, kTwoSections);
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* expected;
    } cases[] = {
        {L"UID_2052", L"OK", L"\x786E\x5B9A"},    // the locale's text, UTF-8 decoded
        {L"UID_2052", L"Cancel", L"&Cancel"},     // empty in the locale
        {L"UID_2052", L"Exit", L"E&xit"},         // empty element
        {L"UID_2052", L"Save", L"&Save"},         // only white space
        {L"UID_2052", L"Help", L"\x5E2E\x52A9"},  // attributes play no part
        {L"UID_2052", L"Only1033", L"English"},
        {L"UID_2052", L"Nowhere", L"default"},
        {L"UID_1041", L"OK", L"&OK"},  // a section the file lacks
    };
    for (const auto& c : cases) {
        ExpectText(c.section, c.key, c.expected);
    }
}

TEST_F(LangFileTest, AFolderWithAnyLettersInItsName) {
    const std::filesystem::path unusual =
        std::filesystem::path(folder.File(L"\x8BED\x8A00 J\x00F6rg")) / L"Language";
    std::filesystem::create_directories(unusual);
    file = (unusual / L"language_Quma.xml").wstring();
    test::TempFolder::Write(file, kTwoSections);
    ExpectText(L"UID_2052", L"OK", L"\x786E\x5B9A");
}

TEST_F(LangFileTest, FilesThatGiveOnlyDefaults) {
    ExpectText(L"UID_1033", L"OK", L"default");  // no file
    const char* const broken[] = {
        "<Texts><UID_1033><OK>&amp;OK</OK></UID_1033>",  // not closed
        "<Texts><UID_1033><OK>&amp;OK</Ok></UID_1033></Texts>",
        "",
        "<?xml version=\"1.0\"?>",  // no root
        "<OK>&amp;OK</OK>",         // a root without sections
    };
    for (const char* bytes : broken) {
        test::TempFolder::Write(file, bytes);
        ExpectText(L"UID_1033", L"OK", L"default");
    }
    ExpectText(L"UID_1033", L"", L"default");
}

TEST_F(LangFileTest, AReplacedFileIsSeenAtTheNextLookup) {
    const auto version = [](const char* text) {
        return std::string("<L><UID_1033><OK>") + text + "</OK></UID_1033></L>";
    };
    const std::filesystem::path path(file);
    test::TempFolder::Write(file, version("one"));
    EXPECT_FALSE(reader->VersionOf(file)) << "too fresh to be kept";
    ExpectText(L"UID_1033", L"OK", L"one");
    test::TempFolder::Write(file, version("second"));
    ExpectText(L"UID_1033", L"OK", L"second");

    // Once settled, the cache keeps it.
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));
    const std::optional<FileVersion> kept = reader->VersionOf(file);
    ASSERT_TRUE(kept);
    ExpectText(L"UID_1033", L"OK", L"second");

    // Same size, and the time stamp put back: a copy that keeps the source's time stamp.
    const FILETIME stamp = LastWrite(file);
    test::TempFolder::Write(file, version("third!"));
    PutBackLastWrite(file, stamp);
    ExpectText(L"UID_1033", L"OK", L"third!");
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));
    const std::optional<FileVersion> copy = reader->VersionOf(file);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->size, kept->size);
    EXPECT_EQ(copy->lastWrite, kept->lastWrite);
    EXPECT_NE(copy->changed, kept->changed);
    ExpectText(L"UID_1033", L"OK", L"third!");

    test::TempFolder::Write(file, "<L><UID_1033><OK>broken");
    ExpectText(L"UID_1033", L"OK", L"default");
    test::TempFolder::Write(file, version("back"));
    ExpectText(L"UID_1033", L"OK", L"back");
    std::filesystem::remove(path);
    EXPECT_FALSE(reader->VersionOf(file));
    ExpectText(L"UID_1033", L"OK", L"default");
    EXPECT_FALSE(reader->VersionOf(folder.File(L"")));  // a folder
}

// Calls GetLangText on a new thread whose COM state the test sets up first.
std::wstring LookUpOnThread(Language& language, const std::wstring& file, DWORD coInit,
                            bool& comLeftAsFound) {
    std::wstring text;
    std::thread([&] {
        const bool initialise = coInit != static_cast<DWORD>(-1);
        if (initialise) {
            CoInitializeEx(nullptr, coInit);
        }
        text = language.GetLangText(file, L"UID_1033", L"OK", L"default");
        // The thread's COM must be as it was: none (a new initialisation gives S_OK), still the
        // multithreaded apartment (a single-threaded one is refused) or still single-threaded.
        const HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        const HRESULT expected = !initialise                      ? S_OK
                                 : coInit == COINIT_MULTITHREADED ? RPC_E_CHANGED_MODE
                                                                  : S_FALSE;
        comLeftAsFound = hr == expected;
        if (SUCCEEDED(hr)) {
            CoUninitialize();
        }
        if (initialise) {
            CoUninitialize();
        }
    }).join();
    return text;
}

TEST_F(LangFileTest, WorksOnThreadsWithAndWithoutCom) {
    test::TempFolder::Write(file, kTwoSections);
    for (const DWORD coInit : {static_cast<DWORD>(-1), static_cast<DWORD>(COINIT_MULTITHREADED),
                               static_cast<DWORD>(COINIT_APARTMENTTHREADED)}) {
        language.SetXmlReader(reader);  // a new cache, so the file is parsed on that thread
        bool comLeftAsFound = false;
        EXPECT_EQ(LookUpOnThread(language, file, coInit, comLeftAsFound), L"&OK") << coInit;
        EXPECT_TRUE(comLeftAsFound) << coInit;
    }
}

TEST(ShippedLanguageFile, LiesBesideTheModuleAndHoldsEveryPartsKeys) {
    Language language;
    test::FakeRegistry registry;
    InitLanguage(language, registry, L"");  // no interface language stored: the English section
    ASSERT_EQ(language.LangSection, L"UID_1033");
    const std::optional<std::wstring> folder = ModuleFolder();
    ASSERT_TRUE(folder);
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    EXPECT_EQ(*folder + L"\\" + std::filesystem::path(exe).filename().wstring(), exe);
    EXPECT_EQ(language.LangFile, *folder + L"\\Language\\language_Quma.xml");

    // A sample from every kind of caller: dialogs, menus, backstage, options, settings center.
    const struct {
        const wchar_t* key;
        const wchar_t* english;
    } samples[] = {
        {L"OK", L"&OK"},
        {L"Cancel", L"&Cancel"},
        {L"ExitInfor", nullptr},
        {L"ExitCloseAll", L"Close &All Tabs"},
        {L"CloseInactiveProject", L"Close Other &Tabs"},
        {L"MorvaneOptions", L"&Morvane Options..."},
        {L"RbShowDes", L"Click to Hide/Display Tab bar."},
        {L"LockInforPJ", L"Project:"},
        {L"InputFileName", nullptr},
        {L"RenameFileExists", nullptr},
        {L"HotKey", L"Shortcuts conflict, Please change."},
        {L"Number", L"The number of width must be between 70-400."},
        {L"RestartApp", nullptr},
        {L"SettingSaved", nullptr},
        {L"KovoOptions", L"Morvane Options"},
        {L"PopularPostion", nullptr},
        {L"Above", L"-Above WorkSpace"},
        {L"SizeToFit", L"SizeToFit"},
        {L"FaceDark", L"FaceDark"},
        {L"RbHomepage", nullptr},
        {L"Setting", L"Morvane Center"},
        {L"Enable", nullptr},
    };
    for (const auto& s : samples) {
        const std::wstring text = language.Text(s.key, L"<missing>");
        EXPECT_NE(text, L"<missing>") << s.key;
        if (s.english) {
            EXPECT_EQ(text, s.english) << s.key;
        }
    }
}

}  // namespace
}  // namespace morvane::mdLang
