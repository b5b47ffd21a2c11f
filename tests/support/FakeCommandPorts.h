#pragma once
// Doubles of the menu commands' ports. Each records what it was asked in one shared log, so
// tests can check the order of steps across ports.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "addin/CommandPorts.h"
#include "support/FakeDisk.h"

namespace morvane::test {

using CommandLog = std::vector<std::wstring>;

class FakeCommandWindows : public CommandWindows {
  public:
    explicit FakeCommandWindows(CommandLog& log) : log_(log) {}
    WindowHandle active = 0;
    // Runs on each sent WM_CLOSE, as the host's closing would.
    std::function<void(WindowHandle)> onSendClose;

    WindowHandle ActiveChild() override { return active; }
    void PostClose(WindowHandle window) override { Record(L"post close ", window); }
    void SendClose(WindowHandle window) override {
        Record(L"send close ", window);
        if (onSendClose) {
            onSendClose(window);
        }
    }
    void PostActivate(WindowHandle window) override { Record(L"post activate ", window); }

  private:
    void Record(const std::wstring& what, WindowHandle window) {
        log_.push_back(what + std::to_wstring(window));
    }
    CommandLog& log_;
};

class FakeCommandFiles : public CommandFiles {
  public:
    FakeCommandFiles(CommandLog& log, FakeDisk& disk) : log_(log), disk_(disk) {}
    std::optional<std::wstring> deleteError;
    // Names the system cannot look up, with its reason.
    std::map<std::wstring, std::wstring> lookupErrors;

    Existence Exists(const std::wstring& path) override {
        if (const auto error = lookupErrors.find(path); error != lookupErrors.end()) {
            return {.answer = Existence::Answer::Unknown, .reason = error->second};
        }
        return {
            .answer = disk_.Exists(path) ? Existence::Answer::Present : Existence::Answer::Absent,
            .reason = {}};
    }
    std::optional<FileIdentity> Identity(const std::wstring& path) override {
        const auto id = disk_.Id(path);
        return id ? std::optional(FileIdentity{.volume = 1, .index = *id}) : std::nullopt;
    }
    // A missing file fails as the file system object fails it.
    std::optional<std::wstring> Delete(const std::wstring& path) override {
        log_.push_back(L"delete " + path);
        if (deleteError) {
            return deleteError;
        }
        if (!disk_.Id(path)) {
            return L"File not found";
        }
        disk_.Remove(path);
        return std::nullopt;
    }
    bool SameName(const std::wstring& a, const std::wstring& b) override {
        return FakeDisk::Upper(a) == FakeDisk::Upper(b);
    }

  private:
    CommandLog& log_;
    FakeDisk& disk_;
};

class FakeCommandShell : public CommandShell {
  public:
    explicit FakeCommandShell(CommandLog& log) : log_(log) {}
    void StartWindowsProgram(const std::wstring& program, const std::wstring& arguments) override {
        log_.push_back(L"start " + program + L" " + arguments);
    }
    void OpenPage(const std::wstring& address) override { log_.push_back(L"page " + address); }
    void Beep() override { log_.push_back(L"beep"); }

  private:
    CommandLog& log_;
};

class FakeCommandDialogs : public CommandDialogs {
  public:
    explicit FakeCommandDialogs(CommandLog& log) : log_(log) {}
    bool unlockAnswer = false;
    // The answers of the rename prompt in turn; an exhausted list cancels.
    std::vector<std::wstring> newNames;
    // What each rename prompt showed in its edit box.
    std::vector<std::wstring> namesShown;
    // Runs while a question is up, as the user's world goes on during a modal dialog.
    std::function<void()> whileShown;

    void Alert(const std::wstring& text) override { log_.push_back(L"alert " + text); }
    bool AskUnlock(const std::wstring& projectName) override {
        log_.push_back(L"ask unlock " + projectName);
        Shown();
        return unlockAnswer;
    }
    std::wstring AskNewName(const std::wstring&, const std::wstring& current) override {
        namesShown.push_back(current);
        Shown();
        if (newNames.empty()) {
            return L"";
        }
        std::wstring name = newNames.front();
        newNames.erase(newNames.begin());
        return name;
    }
    void ShowMessage(const std::wstring& text) override {
        log_.push_back(L"message " + text);
        Shown();
    }
    void ShowOptions(OptionsPage page) override {
        log_.push_back(page == OptionsPage::About ? L"options about" : L"options");
    }

  private:
    void Shown() const {
        if (whileShown) {
            whileShown();
        }
    }

    CommandLog& log_;
};

}  // namespace morvane::test
