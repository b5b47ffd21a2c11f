#include "support/FakeWindowSystem.h"

#include <algorithm>

namespace morvane::test {

WindowHandle FakeWindowSystem::Add(WindowHandle parent, const std::wstring& className,
                                   const std::wstring& text, bool visible) {
    const WindowHandle handle = next_;
    next_ += 0x10;
    windows[handle] = FakeWindowInfo{parent, className, text, visible, {}};
    if (parent) {
        windows.at(parent).children.push_back(handle);
    } else {
        topLevel.insert(topLevel.begin(), handle);
    }
    return handle;
}

void FakeWindowSystem::Raise(WindowHandle window) {
    const auto found = windows.find(window);
    if (found == windows.end()) {
        return;
    }
    auto& siblings = found->second.parent ? windows.at(found->second.parent).children : topLevel;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    siblings.insert(siblings.begin(), window);
}

void FakeWindowSystem::Remove(WindowHandle window) {
    const auto found = windows.find(window);
    if (found == windows.end()) {
        return;
    }
    for (const auto child : std::vector<WindowHandle>(found->second.children)) {
        Remove(child);
    }
    auto& siblings = found->second.parent ? windows.at(found->second.parent).children : topLevel;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    windows.erase(window);
}

const std::vector<WindowHandle>& FakeWindowSystem::Siblings(WindowHandle parent) const {
    static const std::vector<WindowHandle> none;
    if (parent == 0) {
        return topLevel;
    }
    const auto found = windows.find(parent);
    return found == windows.end() ? none : found->second.children;
}

WindowHandle FakeWindowSystem::MdiGetActive(WindowHandle client) {
    const auto found = activeChild.find(client);
    return found == activeChild.end() ? 0 : found->second;
}

WindowHandle FakeWindowSystem::FindByClass(WindowHandle parent, WindowHandle after,
                                           const std::wstring& className,
                                           const std::optional<std::wstring>& caption) {
    const auto& siblings = Siblings(parent);
    auto it = siblings.begin();
    if (after != 0) {
        it = std::find(siblings.begin(), siblings.end(), after);
        if (it == siblings.end()) {
            return 0;
        }
        ++it;
    }
    for (; it != siblings.end(); ++it) {
        const auto& info = windows.at(*it);
        if (info.className == className && (!caption || info.text == *caption)) {
            return *it;
        }
    }
    return 0;
}

bool FakeWindowSystem::IsWindowVisible(WindowHandle window) {
    const auto found = windows.find(window);
    return found != windows.end() && found->second.visible;
}

std::wstring FakeWindowSystem::WindowText(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? L"" : found->second.text;
}

WindowHandle FakeWindowSystem::Parent(WindowHandle window) {
    const auto found = windows.find(window);
    return found == windows.end() ? 0 : found->second.parent;
}

WindowHandle FakeWindowSystem::FirstChild(WindowHandle window) {
    const auto& children = Siblings(window);
    return window == 0 || children.empty() ? 0 : children.front();
}

WindowHandle FakeWindowSystem::NextSibling(WindowHandle window) {
    const auto found = windows.find(window);
    if (found == windows.end()) {
        return 0;
    }
    const auto& siblings = Siblings(found->second.parent);
    const auto it = std::find(siblings.begin(), siblings.end(), window);
    return it == siblings.end() || it + 1 == siblings.end() ? 0 : *(it + 1);
}

bool FakeWindowSystem::Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    if (windows.count(window) == 0) {
        return false;
    }
    posted.push_back({window, message, wParam, lParam});
    return true;
}

ScreenPoint FakeWindowSystem::CursorIn(WindowHandle window) {
    cursorWindow = window;
    return cursor;
}

}  // namespace morvane::test
