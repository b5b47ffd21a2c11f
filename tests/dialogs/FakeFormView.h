#pragma once
// A form's window as its rules see it, without a window: check boxes and texts set by the
// test, and a count of the times the form closed itself.

#include <map>
#include <set>
#include <string>

#include "addin/dialogs/Form.h"

namespace morvane::dialogs::test {

class FakeFormView : public FormView {
  public:
    std::set<int> checked;
    std::map<int, std::wstring> texts;
    int unloads = 0;

    bool Checked(int id) const override { return checked.count(id) != 0; }
    std::wstring Text(int id) const override {
        const auto found = texts.find(id);
        return found == texts.end() ? std::wstring() : found->second;
    }
    void Unload() override { ++unloads; }
};

}  // namespace morvane::dialogs::test
