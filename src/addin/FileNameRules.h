#pragma once
// How the rename command takes a project's file name apart, which new names it accepts and when
// it may delete the old file; and how a project's folder is opened.

#include <cstddef>
#include <optional>
#include <string>

#include "addin/CommandPorts.h"

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

// A folder as the start of its files' full names: the separator added, unless the folder ends
// with it already, as a drive's root does ("C:\\").
std::wstring FolderPrefix(const std::wstring& folder, const std::wstring& separator);

// The file name Windows gives a file saved under this name: trailing dots and blanks dropped
// ("Plan2. " is "Plan2"; "Plan2 .mpp" stays).
std::wstring NameWindowsUses(const std::wstring& fileName);

// False for a name Windows would refuse or read as another place: one holding \ / : * ? " < >
// |, a control character, or nothing but blanks and dots.
bool IsAcceptableFileName(const std::wstring& name);

// True for a file name Windows reads as a device: CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1 to
// COM9 and LPT1 to LPT9 (also with ¹ ² ³), in any case, alone or followed by blanks, dots or an
// extension ("nul.mpp", "CON .mpp"). Saving to one writes into the device, not into a file.
bool IsDeviceName(const std::wstring& fileName);

// The longest full name and file name Windows saves without long-path support.
inline constexpr std::size_t MaxFullNameLength = 259;
inline constexpr std::size_t MaxFileNameLength = 255;

// Why a new base name cannot be saved.
enum class NameFault { Characters, Device, TooLong };

// A new base name checked as it is saved: `fileName` is the base name with the old extension,
// `fullName` that in the project's folder. None when it can be saved.
std::optional<NameFault> FaultOfNewName(const std::wstring& baseName, const std::wstring& fileName,
                                        const std::wstring& fullName);

// What a rename does once the host has answered its save under the new name without error.
enum class RenameOutcome {
    DeleteOld,  // the project lives in a new file: the old one goes
    NotMoved,   // the project does not name the new file: keep the old one
    NoNewFile,  // no file of the new name, or only the old file itself: keep the old one
    NoOldFile,  // the old file is gone already: nothing to delete
};

// The old file may go only when the project now names the new file, that file is on disk and it
// is another file than the old one. Files are told by identity, not by spelling: `projectFile`
// is the file the project's full name leads to now, `newFile` the one the new name leads to
// (none when no file is there). The rename never saves over a file that was there before, so a
// new file that is on disk is the one the save wrote.
RenameOutcome OutcomeOfSave(const std::optional<FileIdentity>& projectFile,
                            const std::optional<FileIdentity>& oldFile,
                            const std::optional<FileIdentity>& newFile);

// Explorer, a program of the Windows folder, opens a file's folder with the file selected.
inline constexpr const wchar_t* ExplorerProgram = L"explorer.exe";

// Explorer's arguments for that: the path quoted, so that a comma in it does not end the
// argument.
std::wstring OpenFolderArguments(const std::wstring& fullName);

}  // namespace morvane
