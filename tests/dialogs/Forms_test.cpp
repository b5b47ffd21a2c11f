// The four forms' rules: their texts, and the answer each writes on every way out.
#include <gtest/gtest.h>

#include <memory>

#include "addin/dialogs/frmCloseMsg.h"
#include "addin/dialogs/frmLock.h"
#include "addin/dialogs/frmMessage.h"
#include "addin/dialogs/frmRename.h"
#include "dialogs/FakeFormView.h"
#include "shared/SettingsSchema.h"
#include "shared/mdLang.h"
#include "shared/mdReg.h"
#include "support/FakeRegistry.h"
#include "support/FakeXmlReader.h"

namespace morvane::dialogs {
namespace {

using test::FakeFormView;

const TextLookup kEnglish = [](const std::wstring&, const std::wstring& def) { return def; };

// Marks every looked-up text with its key, so a test sees which key a text came from.
const TextLookup kKeyed = [](const std::wstring& key, const std::wstring&) {
    return L"<" + key + L">";
};

TEST(ShortenName, FifteenCharactersShowWholeLongerOnesAsThirteenAndDots) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""},
        {L"Plan", L"Plan"},
        {L"Fourteen chars", L"Fourteen chars"},
        {L"Fifteen chars!!", L"Fifteen chars!!"},
        {L"Sixteen chars!!!", L"Sixteen chars..."},
        {L"A rather long project name.mpp", L"A rather long..."},
        {L"...............x", L"................"},
    };
    for (const auto& [name, shown] : cases) {
        EXPECT_EQ(ShortenName(name), shown) << testing::PrintToString(name);
        EXPECT_LE(ShortenName(name).size(), 16u);
    }
}

TEST(ShortenName, NeverCutsACharacterOutsideTheBasicPlaneInHalf) {
    // Twelve letters, then U+1F4C5 (two UTF-16 units), then more.
    const std::wstring name = std::wstring(L"Twelve chars") + L"\xD83D\xDCC5" + L" calendar";
    EXPECT_EQ(ShortenName(name), L"Twelve chars...");
    const std::wstring thirteen = std::wstring(L"Thirteen char") + L"\xD83D\xDCC5" + L" more";
    EXPECT_EQ(ShortenName(thirteen), L"Thirteen char...");
}

TEST(LockText, ModeOneNamesTheActiveProjectShortened) {
    EXPECT_EQ(LockText(1, L"Plan.mpp", kEnglish),
              L"Project: \"Plan.mpp\" has been locked now,if you really want to unlock this "
              L"project and close or save this project please click the \"OK\" button.");
    EXPECT_EQ(LockText(1, L"Sixteen chars!!!", kKeyed),
              L"<LockInforPJ> \"Sixteen chars...\" <LockInforClose>");
}

TEST(LockText, OtherModesAndAnUnknownProjectSpeakOfLockedProjects) {
    const std::wstring general =
        L"There has some projects have locked,if you want to unlock and close these projects, "
        L"please click the \"OK\" button.";
    EXPECT_EQ(LockText(0, L"Plan", kEnglish), general);
    EXPECT_EQ(LockText(2, L"Plan", kEnglish), general);
    EXPECT_EQ(LockText(1, std::nullopt, kEnglish), general);
    EXPECT_EQ(LockText(1, std::nullopt, kKeyed), L"<LockInforExit>");
}

// The forms' texts from a real lookup over a language file double.
class FormTexts : public ::testing::Test {
  protected:
    void SetUp() override {
        auto& root = reader->Document(L"C:\\Lang.xml");
        auto& english = root.Add(L"UID_1033");
        english.Add(L"ExitMsg", L"Never ask again");
        english.Add(L"Cancel", L"Cancel it");
        english.Add(L"OK", L"Fine");
        english.Add(L"DiaHelp", L"");  // empty: missing
        root.Add(L"UID_2052").Add(L"ExitCloseCurr", L"Only this one");
        language.SetXmlReader(reader);
    }

    static std::wstring TextOf(Form& form, int id) { return form.Form_Load().Find(id)->text; }

    std::shared_ptr<morvane::test::FakeXmlReader> reader =
        std::make_shared<morvane::test::FakeXmlReader>();
    mdLang::Language language;
    TextLookup texts = LanguageTexts(language, L"C:\\Lang.xml", L"UID_2052");
    morvane::test::FakeRegistry registry;
    TabSettings settings;
    DialogResults results;
};

TEST_F(FormTexts, TaggedCaptionsFromTheFileAndTheDesignTextWhenAKeyIsMissing) {
    frmCloseMsg closeMsg(texts, registry, settings, results);
    FormDesign form = closeMsg.Form_Load();
    auto text = [&](int id) { return form.Find(id)->text; };
    EXPECT_EQ(text(frmCloseMsg::CheckBox_CloseMsg), L"Never ask again");
    EXPECT_EQ(text(frmCloseMsg::PushButton_CloseActive), L"Only this one");
    EXPECT_EQ(text(frmCloseMsg::PushButton_Cancel), L"Cancel it");
    EXPECT_EQ(text(frmCloseMsg::PushButton_CloseAll), L"Close &All Tabs") << "no ExitCloseAll";
    EXPECT_EQ(text(frmCloseMsg::FlatEdit_Text),
              L"You will close all tabs (including the Locked Tabs), do you want to continue?\n");

    frmLock lock(texts, L"Plan", {}, results);
    EXPECT_EQ(TextOf(lock, frmLock::Command_Help), L"&Help") << "an empty text counts as missing";
    EXPECT_EQ(TextOf(lock, frmLock::Command_Yes), L"Fine");
}

TEST_F(FormTexts, AMissingFileLeavesEveryDesignText) {
    texts = LanguageTexts(language, L"C:\\Nowhere.xml", L"UID_1033");
    frmRename rename(texts, std::nullopt, L"Plan", results);
    EXPECT_EQ(TextOf(rename, frmRename::PushButton_OK), L"&OK");
    EXPECT_EQ(TextOf(rename, frmRename::PushButton_Cancel), L"&Cancel");
    frmMessage message(texts, L"Saved.");
    EXPECT_EQ(TextOf(message, frmMessage::PushButton_OK), L"&OK");
}

TEST_F(FormTexts, TheMessageLooksUpOnlyItsButton) {
    frmMessage message(texts, L"Saved.");
    EXPECT_EQ(TextOf(message, frmMessage::PushButton_OK), L"Fine");
    EXPECT_EQ(TextOf(message, frmMessage::FlatEdit_Infor), L"Saved.");
}

TEST(frmRenameTexts, ThePromptIsTheCallersOrTheFormsOwnAndTheNameFillsTheEditBox) {
    DialogResults results;
    frmRename own(kKeyed, std::nullopt, L"Plan", results);
    FormDesign form = own.Form_Load();
    EXPECT_EQ(form.Find(frmRename::FlatEdit_RenameText)->text,
              L"Please enter a file name (no extensions)");
    EXPECT_EQ(form.Find(frmRename::FlatEdit_NewName)->text, L"Plan");
    EXPECT_EQ(form.focusId, frmRename::FlatEdit_NewName);
    frmRename given(kKeyed, L"New name?", L"", results);
    EXPECT_EQ(given.Form_Load().Find(frmRename::FlatEdit_RenameText)->text, L"New name?");
}

class CloseMsgAnswers : public ::testing::Test {
  protected:
    std::optional<std::int32_t> Stored() const {
        return registry->FindDword(RootKey::CurrentUser, std::wstring(SettingsKey), L"ExitInfor");
    }

    std::shared_ptr<morvane::test::FakeRegistry> registry =
        std::make_shared<morvane::test::FakeRegistry>();
    TabSettings settings;
    DialogResults results;
    frmCloseMsg form{kEnglish, *registry, settings, results};
    FakeFormView view;
};

TEST_F(CloseMsgAnswers, EachButtonGivesItsChoiceAndTheTickedBoxStopsTheQuestion) {
    struct Case {
        int button;
        bool ticked;
        std::int32_t choice;
        bool stopsAsking;
    };
    const Case cases[] = {
        {frmCloseMsg::PushButton_CloseAll, false, CloseAllTabs, false},
        {frmCloseMsg::PushButton_CloseAll, true, CloseAllTabs, true},
        {frmCloseMsg::PushButton_CloseActive, false, CloseCurrentTab, false},
        {frmCloseMsg::PushButton_CloseActive, true, CloseCurrentTab, true},
        {frmCloseMsg::PushButton_Cancel, false, CloseCancel, false},
        {frmCloseMsg::PushButton_Cancel, true, CloseCancel, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " ticked " << c.ticked);
        registry->Delete(RootKey::CurrentUser, std::wstring(SettingsKey), L"ExitInfor");
        settings.ExitInfor = 0;
        results.CloseChoice = 7;
        view = {};
        if (c.ticked) {
            view.checked.insert(frmCloseMsg::CheckBox_CloseMsg);
        }
        form.Click(c.button, view);
        EXPECT_EQ(results.CloseChoice, c.choice);
        EXPECT_EQ(view.unloads, 1);
        EXPECT_EQ(settings.ExitInfor, c.stopsAsking ? 1 : 0);
        EXPECT_EQ(Stored(), c.stopsAsking ? std::optional<std::int32_t>(1) : std::nullopt);
    }
}

TEST_F(CloseMsgAnswers, TheCloseBoxCancelsAndWritesNothingEvenWhenTicked) {
    results.CloseChoice = CloseAllTabs;
    view.checked.insert(frmCloseMsg::CheckBox_CloseMsg);
    form.Click(frmCloseMsg::CheckBox_CloseMsg, view);  // ticking it does nothing yet
    form.Form_QueryUnload();
    EXPECT_EQ(results.CloseChoice, CloseCancel);
    EXPECT_EQ(settings.ExitInfor, 0);
    EXPECT_TRUE(registry->writes.empty());
    EXPECT_EQ(view.unloads, 0);
}

TEST_F(CloseMsgAnswers, AFailedWriteStillStopsTheQuestionUntilTheNextLoad) {
    registry->Fail("CreateWrite");
    view.checked.insert(frmCloseMsg::CheckBox_CloseMsg);
    form.Click(frmCloseMsg::PushButton_CloseActive, view);
    EXPECT_EQ(results.CloseChoice, CloseCurrentTab);
    EXPECT_EQ(settings.ExitInfor, 1);
    EXPECT_EQ(Stored(), std::nullopt);
}

TEST(LockAnswers, OkUnlocksCancelAndTheCloseBoxKeepTheLock) {
    DialogResults results;
    frmLock form(kEnglish, L"Plan", {}, results);
    FakeFormView view;
    form.Click(frmLock::Command_Yes, view);
    EXPECT_TRUE(results.Unlocked);
    form.Click(frmLock::Command_No, view);
    EXPECT_FALSE(results.Unlocked);
    EXPECT_EQ(view.unloads, 2);
    results.Unlocked = true;
    form.Form_QueryUnload();
    EXPECT_FALSE(results.Unlocked);
}

TEST(LockAnswers, HelpOpensThePageLeavesTheFormOpenAndTheLockKept) {
    DialogResults results;
    int opened = 0;
    frmLock form(
        kEnglish, L"Plan", [&] { ++opened; }, results);
    FakeFormView view;
    results.Unlocked = true;  // an earlier answer
    form.Click(frmLock::Command_Help, view);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(results.Unlocked);
    EXPECT_EQ(view.unloads, 0);
    form.Click(frmLock::Command_Yes, view);
    EXPECT_TRUE(results.Unlocked);
    EXPECT_EQ(view.unloads, 1);
}

TEST(LockAnswers, TheModeDecidesTheText) {
    DialogResults results;
    frmLock form(kKeyed, L"Plan", {}, results);
    form.SetLockMode(1);
    EXPECT_EQ(form.Form_Load().Find(frmLock::FlatEdit1)->text,
              L"<LockInforPJ> \"Plan\" <LockInforClose>");
    form.SetLockMode(0);
    EXPECT_EQ(form.Form_Load().Find(frmLock::FlatEdit1)->text, L"<LockInforExit>");
}

TEST(RenameAnswers, OkGivesTheTextAsItStandsEverythingElseTheEmptyText) {
    DialogResults results;
    frmRename form(kEnglish, std::nullopt, L"Plan", results);
    FakeFormView view;
    view.texts[frmRename::FlatEdit_NewName] = L"  New plan. ";
    form.Click(frmRename::PushButton_OK, view);
    EXPECT_EQ(results.NewFileName, L"  New plan. ") << "no trimming, no check";

    form.Click(frmRename::PushButton_Cancel, view);
    EXPECT_EQ(results.NewFileName, L"");

    view.texts[frmRename::FlatEdit_NewName] = L"";
    results.NewFileName = L"earlier";
    form.Click(frmRename::PushButton_OK, view);
    EXPECT_EQ(results.NewFileName, L"") << "an empty box is the same as Cancel";

    results.NewFileName = L"earlier";
    form.Form_QueryUnload();
    EXPECT_EQ(results.NewFileName, L"");
    EXPECT_EQ(view.unloads, 3);
}

TEST(MessageAnswers, OkClosesIt) {
    frmMessage form(kEnglish, L"Saved.");
    FakeFormView view;
    form.Click(frmMessage::FlatEdit_Infor, view);
    EXPECT_EQ(view.unloads, 0);
    form.Click(frmMessage::PushButton_OK, view);
    EXPECT_EQ(view.unloads, 1);
}

}  // namespace
}  // namespace morvane::dialogs
