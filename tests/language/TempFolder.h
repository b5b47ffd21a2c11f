#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace morvane::test {

class TempFolder {
  public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("morvane-language-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::wstring File(const std::wstring& name) const { return (path_ / name).wstring(); }

    // Writes (or replaces) a file with these bytes.
    static void Write(const std::wstring& file, const std::string& bytes) {
        std::ofstream out(std::filesystem::path(file), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

  private:
    std::filesystem::path path_;
};

}  // namespace morvane::test
