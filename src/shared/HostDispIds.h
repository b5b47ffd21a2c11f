#pragma once
// The dispatch ids of Project's automation members that the add-in calls, and that the stand-in
// host answers. Collections count with 0xFFF5 and enumerate with the standard _NewEnum id.

namespace morvane {

namespace appid {
inline constexpr long Name = 0;
inline constexpr long Projects = 5000;
inline constexpr long Windows = 5001;
inline constexpr long ActiveProject = 5002;
inline constexpr long ActiveWindow = 5003;
inline constexpr long Visible = 5006;
inline constexpr long PathSeparator = 5007;
inline constexpr long Version = 5020;
inline constexpr long CommandBars = 5041;
inline constexpr long ScreenUpdating = 5045;  // not the alerts switch: the add-in never sets it
inline constexpr long DisplayAlerts = 5157;
inline constexpr long ShowWindowsInTaskbar = 5172;
inline constexpr long FileNew = 101;
inline constexpr long FileSave = 106;
inline constexpr long FileSaveAs = 107;
inline constexpr long FileOpen = 2273;  // FileOpenEx: with no arguments it shows the Open dialog
}  // namespace appid

namespace collectionid {
inline constexpr long Item = 0;
inline constexpr long Count = 0xFFF5;
inline constexpr long NewEnum = -4;
}  // namespace collectionid

namespace windowid {
inline constexpr long Caption = 0;
inline constexpr long Visible = 3;
// The window's parent: its project on some hosts; on others the Application or a windows
// collection, which has no FullName.
inline constexpr long Parent = 0xFFF3;
// Callers activate a window by name; the id is the stand-in's.
inline constexpr long Activate = 0x7001;
}  // namespace windowid

namespace projectid {
inline constexpr long Name = 0;
inline constexpr long Path = 11;
inline constexpr long Activate = 13;
inline constexpr long FullName = 42;
inline constexpr long Windows = 30;
inline constexpr long Saved = 50;
inline constexpr long SaveAs = 6003;
}  // namespace projectid

// The close event's information; callers set Cancel by name, the id is the stand-in's.
namespace eventinfoid {
inline constexpr long Cancel = 1;
}  // namespace eventinfoid

}  // namespace morvane
