// Sixty lookups, as an options dialog makes when it opens, from the shipped language file with
// a second locale added: parsing the file for every lookup against the cache that keeps the
// parsed texts while the file is unchanged.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "shared/Com_win.h"
#include "shared/LangLookup.h"
#include "shared/MsXmlReader_win.h"
#include "shared/mdLang_win.h"

namespace {

using morvane::mdLang::LangCache;
using morvane::mdLang::LookUpOnce;
using Clock = std::chrono::steady_clock;

constexpr int kLookups = 60;
constexpr int kRounds = 15;

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The shipped file with a copy of its English section as a second locale.
std::string WithSecondLocale(const std::string& shipped) {
    const std::string open = "<UID_1033>", close = "</UID_1033>";
    const std::size_t begin = shipped.find(open);
    const std::size_t end = shipped.find(close);
    if (begin == std::string::npos || end == std::string::npos) {
        return {};
    }
    std::string second = shipped.substr(begin, end + close.size() - begin);
    second.replace(0, open.size(), "<UID_2052>");
    second.replace(second.size() - close.size(), close.size(), "</UID_2052>");
    std::string result = shipped;
    result.insert(end + close.size(), "\n  " + second);
    return result;
}

// The English section's keys, sixty of them spread over the whole section.
std::vector<std::wstring> SixtyKeys(morvane::XmlReader& reader, const std::wstring& file) {
    std::vector<std::wstring> all;
    if (const auto root = reader.LoadRoot(file)) {
        if (const auto english = root->FirstChild(L"UID_1033")) {
            english->ForEachChild(
                [&](const std::wstring& name, const morvane::XmlElement&) { all.push_back(name); });
        }
    }
    std::vector<std::wstring> keys;
    for (int i = 0; i < kLookups && !all.empty(); ++i) {
        keys.push_back(all[i * all.size() / kLookups]);
    }
    return keys;
}

template <typename Lookup>
double MedianMicroseconds(const std::vector<std::wstring>& keys, Lookup lookup) {
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (const std::wstring& key : keys) {
            lookup(key);
        }
        rounds.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

}  // namespace

int main() {
    morvane::com::Apartment apartment;  // as in the host, COM is up on the calling thread
    const auto folder = morvane::mdLang::ModuleFolder();
    if (!folder) {
        std::fprintf(stderr, "no module folder\n");
        return 1;
    }
    const std::string content = WithSecondLocale(
        ReadAll(std::filesystem::path(*folder) / "Language" / "language_Quma.xml"));
    if (content.empty()) {
        std::fprintf(stderr, "the shipped language file has no English section\n");
        return 1;
    }
    const auto work = std::filesystem::temp_directory_path() / "morvane-bench-language";
    std::filesystem::create_directories(work);
    const std::wstring file = (work / "language_Quma.xml").wstring();
    std::ofstream(std::filesystem::path(file), std::ios::binary) << content;

    const auto reader = morvane::MakeMsXmlReader();
    // An installed language file is old; a file just written is parsed per call until the
    // clock has moved on from its change time.
    std::this_thread::sleep_for(std::chrono::milliseconds(2200));
    if (!reader->VersionOf(file)) {
        std::fprintf(stderr, "the language file has no version: the cache would not keep it\n");
        return 1;
    }
    const std::vector<std::wstring> keys = SixtyKeys(*reader, file);
    LangCache cache(reader);
    int mismatches = 0;
    for (const std::wstring& key : keys) {
        if (LookUpOnce(*reader, file, L"UID_2052", key, L"?") !=
                cache.Text(file, L"UID_2052", key, L"?") ||
            cache.Text(file, L"UID_2052", key, L"?") == L"?") {
            ++mismatches;
        }
    }

    const double parse = MedianMicroseconds(
        keys, [&](const std::wstring& key) { LookUpOnce(*reader, file, L"UID_2052", key, L""); });
    const double cached = MedianMicroseconds(
        keys, [&](const std::wstring& key) { cache.Text(file, L"UID_2052", key, L""); });

    std::printf("lang_file_bytes: %zu\n", content.size());
    std::printf("lang_lookups: %zu\n", keys.size());
    std::printf("lang_lookup60_parse_us: %.0f\n", parse);
    std::printf("lang_lookup60_cached_us: %.0f\n", cached);
    std::printf("lang_cache_speedup: %.1f\n", parse / cached);
    std::filesystem::remove_all(work);
    if (mismatches != 0 || keys.size() != kLookups) {
        std::fprintf(stderr, "cached and per-call lookups disagree on %d keys\n", mismatches);
        return 1;
    }
    return 0;
}
