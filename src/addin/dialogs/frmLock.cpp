#include "addin/dialogs/frmLock.h"

namespace morvane::dialogs {

namespace {

constexpr std::size_t kLongestWhole = 15;
constexpr std::size_t kKeptOfLong = 13;

constexpr TwipsRect kGroup{1200, 150, 5715, 1185};

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

std::wstring ShortenName(const std::wstring& Name) {
    if (Name.size() <= kLongestWhole) {
        return Name;
    }
    std::size_t kept = kKeptOfLong;
    if (IsHighSurrogate(Name[kept - 1])) {
        --kept;
    }
    return Name.substr(0, kept) + L"...";
}

std::wstring LockText(std::int32_t lockMode, const std::optional<std::wstring>& projectName,
                      const TextLookup& texts) {
    if (lockMode == 1 && projectName) {
        return texts(L"LockInforPJ", L"Project:") + L" \"" + ShortenName(*projectName) + L"\" " +
               texts(L"LockInforClose",
                     L"has been locked now,if you really want to unlock this project and close "
                     L"or save this project please click the \"OK\" button.");
    }
    return texts(L"LockInforExit",
                 L"There has some projects have locked,if you want to unlock and close these "
                 L"projects, please click the \"OK\" button.");
}

frmLock::frmLock(const TextLookup& texts, std::optional<std::wstring> projectName,
                 std::function<void()> openHelp, DialogResults& results)
    : texts_(texts),
      projectName_(std::move(projectName)),
      openHelp_(std::move(openHelp)),
      results_(results) {}

FormDesign frmLock::Form_Load() {
    FormDesign form;
    form.icon = FormIcon::Lock;
    form.controls = {
        {Image1, ControlKind::Picture, L"", L"", {360, 300, 480, 480}},
        {GroupBox1, ControlKind::Frame, L"", L"", kGroup},
        {FlatEdit1, ControlKind::ReadOnlyText, L"", LockText(mLockMode, projectName_, texts_),
         Inside(kGroup, {90, 150, 5565, 975})},
        {Command_Yes, ControlKind::Button, L"OK", L"&OK", {1290, 1350, 1065, 375}},
        {Command_No, ControlKind::Button, L"Cancel", L"&Cancel", {3000, 1350, 1065, 375}},
        {Command_Help, ControlKind::Button, L"DiaHelp", L"&Help", {4710, 1350, 1065, 375}},
    };
    form.defaultId = Command_Yes;
    form.cancelId = Command_No;
    form.focusId = Command_Yes;
    LocalizeTags(form, texts_);
    return form;
}

void frmLock::Click(int id, FormView& view) {
    switch (id) {
        case Command_Yes:
            results_.Unlocked = true;
            view.Unload();
            break;
        case Command_No:
            results_.Unlocked = false;
            view.Unload();
            break;
        case Command_Help:
            results_.Unlocked = false;
            if (openHelp_) {
                openHelp_();
            }
            break;
        default:
            break;
    }
}

void frmLock::Form_QueryUnload() {
    results_.Unlocked = false;
}

}  // namespace morvane::dialogs
