#include "RegistryContract.h"

namespace morvane::test {

constexpr auto HKCU = RootKey::CurrentUser;

void RegistryContract::SetUp() {
    api = GetParam().make();
    GetParam().removeScratch();
}

void RegistryContract::TearDown() {
    GetParam().removeScratch();
}

void RegistryContract::Plant(const std::wstring& name, std::uint32_t type,
                             const std::vector<std::uint8_t>& data) {
    const auto key = api->CreateWrite(HKCU, api->ToAnsi(ScratchKey));
    ASSERT_TRUE(key);
    EXPECT_TRUE(api->SetValue(*key, api->ToAnsi(name), type, data));
    EXPECT_TRUE(api->Close(*key));
}

void RegistryContract::PlantText(const std::wstring& name, std::uint32_t type,
                                 const std::string& ansi) {
    std::vector<std::uint8_t> data(ansi.begin(), ansi.end());
    data.push_back(0);
    Plant(name, type, data);
}

std::optional<RegValueInfo> RegistryContract::InfoOf(const std::wstring& subKey,
                                                     const std::wstring& name) {
    const auto key = api->OpenRead(HKCU, api->ToAnsi(subKey));
    if (!key) {
        return std::nullopt;
    }
    const auto info = api->QueryInfo(*key, api->ToAnsi(name));
    api->Close(*key);
    return info;
}

std::vector<std::uint8_t> RegistryContract::DataOf(const std::wstring& subKey,
                                                   const std::wstring& name) {
    const auto info = InfoOf(subKey, name);
    const auto key = api->OpenRead(HKCU, api->ToAnsi(subKey));
    if (!info || !key) {
        return {};
    }
    std::vector<std::uint8_t> data(info->Size);
    const auto read = api->QueryData(*key, api->ToAnsi(name), data);
    api->Close(*key);
    data.resize(read ? *read : 0);
    return data;
}

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST_P(RegistryContract, MissingValueOrKeyLeavesTheDestinationUntouched) {
    PlantText(L"Other", 1, "x");
    std::int32_t number = 7;
    std::wstring text = L"kept";
    EXPECT_FALSE(GetRegValue(HKCU, ScratchKey, L"Missing", number));
    EXPECT_FALSE(GetRegValue(HKCU, ScratchKey, L"Missing", text));
    EXPECT_FALSE(GetRegValue(HKCU, ScratchKey + L"\\NoSuchKey", L"Other", number));
    EXPECT_EQ(number, 7);
    EXPECT_EQ(text, L"kept");
}

TEST_P(RegistryContract, ConvertsToTheDestinationsType) {
    PlantText(L"Digits", 1, "12");
    PlantText(L"Letters", 1, "abc");
    Plant(L"Dword", 4, {81, 0, 0, 0});
    Plant(L"Negative", 4, {0xFB, 0xFF, 0xFF, 0xFF});

    std::int32_t number = 7;
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Digits", number));
    EXPECT_EQ(number, 12);
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Letters", number));
    EXPECT_EQ(number, 12) << "text that is no number leaves the integer as it was";
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Dword", number));
    EXPECT_EQ(number, 81);

    std::wstring text;
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Dword", text));
    EXPECT_EQ(text, L"81");
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Negative", text));
    EXPECT_EQ(text, L"-5");
}

TEST_P(RegistryContract, TextWrittenAtAnyLengthReadsBack) {
    for (const std::size_t length : {254, 255, 256, 300, 5000}) {
        const std::wstring written(length, L'a');
        ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Text", mdReg::RegSz, written)) << length;
        std::wstring text = L"kept";
        EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Text", text)) << length;
        EXPECT_EQ(text, written) << length;
    }
    // Digits behind a long run of zeros still read into an integer.
    PlantText(L"Size", 1, std::string(300, '0') + "12");
    std::int32_t number = 7;
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Size", number));
    EXPECT_EQ(number, 12);
}

TEST_P(RegistryContract, ExpandableTextComesBackAsStoredAtAnyLength) {
    PlantText(L"Path", 2, "%SystemRoot%\\Fonts");
    PlantText(L"Long", 2, std::string(300, 'c'));
    std::wstring text;
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Path", text));
    EXPECT_EQ(text, L"%SystemRoot%\\Fonts");
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Long", text));
    EXPECT_EQ(text, std::wstring(300, L'c'));
}

TEST_P(RegistryContract, OtherTypesAnswerFalseAndStoreNothing) {
    Plant(L"Multi", 7, {'a', 0, 'b', 0, 0});
    Plant(L"Qword", 11, {1, 0, 0, 0, 0, 0, 0, 0});
    for (const auto* name : {L"Multi", L"Qword"}) {
        std::int32_t number = 7;
        std::wstring text = L"kept";
        EXPECT_FALSE(GetRegValue(HKCU, ScratchKey, name, number)) << name;
        EXPECT_FALSE(GetRegValue(HKCU, ScratchKey, name, text)) << name;
        EXPECT_EQ(number, 7) << name;
        EXPECT_EQ(text, L"kept") << name;
    }
}

TEST_P(RegistryContract, BinaryReadsAtMostFourBytes) {
    Plant(L"Four", 3, {0x78, 0x56, 0x34, 0x12});
    Plant(L"Two", 3, {0x34, 0x12});
    Plant(L"Eight", 3, {1, 2, 3, 4, 5, 6, 7, 8});
    std::int32_t number = 7;
    EXPECT_FALSE(GetRegValue(HKCU, ScratchKey, L"Eight", number));
    EXPECT_EQ(number, 7);
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Two", number));
    EXPECT_EQ(number, 0x1234);
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Four", number));
    EXPECT_EQ(number, 0x12345678);
}

TEST_P(RegistryContract, EmptyTextIsWrittenAsOneNul) {
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Empty", 1, L""));
    const auto info = InfoOf(ScratchKey, L"Empty");
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Type, 1u);
    EXPECT_EQ(DataOf(ScratchKey, L"Empty"), Bytes{0});
    std::wstring text = L"kept";
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Empty", text));
    EXPECT_EQ(text, L"");
}

TEST_P(RegistryContract, WritesCreateTheWholePath) {
    const std::wstring deep = ScratchKey + L"\\A\\B\\C";
    ASSERT_TRUE(SetRegValue(HKCU, deep, L"Deep", 4, 3));
    std::int32_t number = 0;
    EXPECT_TRUE(GetRegValue(HKCU, deep, L"Deep", number));
    EXPECT_EQ(number, 3);
}

TEST_P(RegistryContract, WritesEachTypesBytes) {
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Text", 1, L"Tahoma"));
    EXPECT_EQ(DataOf(ScratchKey, L"Text"), (Bytes{'T', 'a', 'h', 'o', 'm', 'a', 0}));
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Digits", 1, 11));
    EXPECT_EQ(DataOf(ScratchKey, L"Digits"), (Bytes{'1', '1', 0}));
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Real", 1, 2.5));
    EXPECT_EQ(DataOf(ScratchKey, L"Real"), (Bytes{'2', '.', '5', 0}));
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Expand", 2, L"%TEMP%"));
    EXPECT_EQ(InfoOf(ScratchKey, L"Expand").value_or(RegValueInfo{}).Type, 2u);
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Dword", 4, -2));
    EXPECT_EQ(DataOf(ScratchKey, L"Dword"), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Binary", 3, 0x01020304));
    EXPECT_EQ(InfoOf(ScratchKey, L"Binary").value_or(RegValueInfo{}).Type, 3u);
    EXPECT_EQ(DataOf(ScratchKey, L"Binary"), (Bytes{4, 3, 2, 1}));
}

TEST_P(RegistryContract, IntegerTypesRoundFractionsHalfToEven) {
    const struct {
        double value;
        std::int32_t stored;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4, 2}, {2.6, 3}, {-0.5, 0}};
    for (const auto& c : cases) {
        ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Round", 4, c.value)) << c.value;
        std::int32_t number = 99;
        EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Round", number));
        EXPECT_EQ(number, c.stored) << c.value;
    }
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"FromText", 4, L"12.5"));
    std::int32_t number = 0;
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"FromText", number));
    EXPECT_EQ(number, 12);
}

TEST_P(RegistryContract, RefusedWritesLeaveNothing) {
    EXPECT_FALSE(SetRegValue(HKCU, ScratchKey + L"\\Refused", L"Multi", 7, L"x"));
    EXPECT_FALSE(SetRegValue(HKCU, ScratchKey + L"\\Refused", L"None", 0, 1));
    EXPECT_FALSE(SetRegValue(HKCU, ScratchKey + L"\\Refused", L"Letters", 4, L"abc"));
    EXPECT_FALSE(SetRegValue(HKCU, ScratchKey + L"\\Refused", L"Huge", 4, 3e10));
    EXPECT_FALSE(api->OpenRead(HKCU, api->ToAnsi(ScratchKey + L"\\Refused")));
}

TEST_P(RegistryContract, NamesIgnoreCase) {
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey + L"\\MS Project", L"LoadBehavior", 4, 3));
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey + L"\\Ms Project", L"loadbehavior", 4, 2));
    std::int32_t number = 0;
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey + L"\\ms project", L"LOADBEHAVIOR", number));
    EXPECT_EQ(number, 2);
}

TEST_P(RegistryContract, Latin1TextRoundTrips) {
    ASSERT_TRUE(SetRegValue(HKCU, ScratchKey, L"Name", 1, L"Caf\u00e9 \u00c5ngstr\u00f6m"));
    std::wstring text;
    EXPECT_TRUE(GetRegValue(HKCU, ScratchKey, L"Name", text));
    EXPECT_EQ(text, L"Caf\u00e9 \u00c5ngstr\u00f6m");
}

}  // namespace
}  // namespace morvane::test
