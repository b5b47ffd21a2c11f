#pragma once
// How the rename command takes a project's file name apart and which new names it accepts, and
// the command line that opens a project's folder.

#include <string>

namespace morvane {

// A file name split at its last dot: "a.b.mpp" gives "a.b" and ".mpp"; "Plan" gives "Plan"
// and "".
struct SplitName {
    std::wstring base;
    std::wstring extension;
};

// The part of a full name after the last separator; the whole text when it has none.
std::wstring FileNameOf(const std::wstring& fullName, const std::wstring& separator);

SplitName SplitAtLastDot(const std::wstring& fileName);

// Equal letter for letter, ignoring case.
bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b);

// False for a name Windows would refuse or read as another place: one holding \ / : * ? " < >
// |, a control character, or nothing but blanks and dots.
bool IsAcceptableFileName(const std::wstring& name);

// Explorer opened on the file's folder with the file selected; the path quoted, so that a
// comma in it does not end the argument.
std::wstring OpenFolderCommand(const std::wstring& fullName);

}  // namespace morvane
