#include "standin/Members_win.h"

namespace morvane::standin {

const std::vector<com::Member>& MembersOf(ObjectKind kind) {
    static const std::vector<com::Member> application = {
        {L"Name", appid::Name},
        {L"Projects", appid::Projects},
        {L"Windows", appid::Windows},
        {L"ActiveProject", appid::ActiveProject},
        {L"ActiveWindow", appid::ActiveWindow},
        {L"Visible", appid::Visible},
        {L"PathSeparator", appid::PathSeparator},
        {L"Version", appid::Version},
        {L"CommandBars", appid::CommandBars},
        {L"ScreenUpdating", appid::ScreenUpdating},
        {L"DisplayAlerts", appid::DisplayAlerts},
        {L"DisplayWindowsInTaskbar", appid::ShowWindowsInTaskbar},
        {L"FileNew", appid::FileNew},
        {L"FileSave", appid::FileSave},
        {L"FileSaveAs", appid::FileSaveAs},
        {L"FileOpenEx", appid::FileOpen},
    };
    static const std::vector<com::Member> collection = {
        {L"Item", collectionid::Item},
        {L"Count", collectionid::Count},
        {L"_NewEnum", collectionid::NewEnum},
    };
    static const std::vector<com::Member> window = {
        {L"Caption", windowid::Caption},
        {L"Visible", windowid::Visible},
        {L"Parent", windowid::Parent},
        {L"Activate", windowid::Activate},
    };
    static const std::vector<com::Member> project = {
        {L"Name", projectid::Name},         {L"Path", projectid::Path},
        {L"Activate", projectid::Activate}, {L"FullName", projectid::FullName},
        {L"Saved", projectid::Saved},       {L"SaveAs", projectid::SaveAs},
        {L"Windows", projectid::Windows},
    };
    static const std::vector<com::Member> eventInfo = {{L"Cancel", eventinfoid::Cancel}};
    switch (kind) {
        case ObjectKind::Application:
            return application;
        case ObjectKind::Windows:
        case ObjectKind::Projects:
        case ObjectKind::ProjectWindows:
            return collection;
        case ObjectKind::Window:
            return window;
        case ObjectKind::Project:
            return project;
        case ObjectKind::EventInfo:
            break;
    }
    return eventInfo;
}

DISPID MemberId(ObjectKind kind, const std::wstring& name) {
    for (const com::Member& m : MembersOf(kind)) {
        if (_wcsicmp(m.name, name.c_str()) == 0) {
            return m.id;
        }
    }
    return DISPID_UNKNOWN;
}

}  // namespace morvane::standin
