// What the add-in costs the host in memory: the stand-in's working set with Morvane.dll
// connected and 50 projects open, minus the same without the add-in. Each measurement comes
// from a process of its own (this program started again), and both kinds first load the system
// libraries Project already holds, so that only the add-in's own share is counted; each figure
// is the median of kRuns. Also the size of the library as it ships.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AddinBench_win.h"
#include "standin/Host_win.h"

namespace {

using namespace morvane;

constexpr int kProjects = 50;
constexpr int kRuns = 5;

// Loaded by Project before any add-in comes.
constexpr const wchar_t* kHostLibraries[] = {L"msxml3.dll", L"msxml6.dll",  L"comdlg32.dll",
                                             L"urlmon.dll", L"wininet.dll", L"winspool.drv"};

// Committed memory of this process alone (Wine answers no private bytes itself), in KB.
double PrivateKb() {
    double total = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region) == sizeof region;
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            total += static_cast<double>(region.RegionSize) / 1024.0;
        }
    }
    return total;
}

// One measurement: the host with its projects, with or without the add-in; prints
// "<working set KB> <private KB>".
int Measure(bool withAddin) {
    for (const auto* library : kHostLibraries) {
        if (!LoadLibraryW(library)) {
            std::fprintf(stderr, "bench_host_memory: %ls could not be loaded\n", library);
            return 1;
        }
    }
    standin::Host host;
    SetWindowPos(host.MainWindow(), nullptr, 0, 0, 1200, 800, SWP_NOZORDER);
    for (int i = 0; i < kProjects; ++i) {
        host.OpenProject(L"Project " + std::to_wstring(i + 1) + L".mpp", L"C:\\Projects");
    }
    if (withAddin && !host.Addins().Connect(bench::kProgId)) {
        std::fprintf(stderr, "bench_host_memory: Morvane.dll could not be connected\n");
        return 1;
    }
    host.Pump();
    std::printf("%.0f %.0f\n", bench::WorkingSetKb(), PrivateKb());
    return 0;
}

struct Figures {
    double workingSet = 0;
    double privateBytes = 0;
};

// Runs this program again with `mode` and reads what it printed.
bool MeasureApart(const wchar_t* mode, Figures& figures) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) {
        return false;
    }
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::wstring command = L"\"" + bench::BesideProgram(L"bench_host_memory.exe") + L"\" " + mode;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(write);
    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        output.append(buffer, got);
    }
    CloseHandle(read);
    DWORD code = 1;
    if (started) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return code == 0 &&
           std::sscanf(output.c_str(), "%lf %lf", &figures.workingSet, &figures.privateBytes) == 2;
}

// The median of kRuns measurements of one kind.
bool MedianApart(const wchar_t* mode, Figures& figures) {
    std::vector<double> workingSets;
    std::vector<double> privateBytes;
    for (int i = 0; i < kRuns; ++i) {
        Figures one;
        if (!MeasureApart(mode, one)) {
            return false;
        }
        workingSets.push_back(one.workingSet);
        privateBytes.push_back(one.privateBytes);
    }
    std::sort(workingSets.begin(), workingSets.end());
    std::sort(privateBytes.begin(), privateBytes.end());
    figures = {workingSets[kRuns / 2], privateBytes[kRuns / 2]};
    return true;
}

double FileKb(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return static_cast<double>((static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                               data.nFileSizeLow) /
           1024.0;
}

}  // namespace

int main(int argc, char** argv) {
    com::Apartment apartment;
    if (argc == 2) {
        return Measure(std::strcmp(argv[1], "addin") == 0);
    }
    if (!bench::InstallAddin(true)) {
        std::fprintf(stderr, "bench_host_memory: Morvane.dll could not be registered\n");
        return 1;
    }
    Figures plain;
    Figures addin;
    const bool measured = MedianApart(L"plain", plain) && MedianApart(L"addin", addin);
    bench::InstallAddin(false);
    if (!measured) {
        std::fprintf(stderr, "bench_host_memory: a measuring run failed\n");
        return 1;
    }
    std::printf("host_ws_plain_kb: %.0f\n", plain.workingSet);
    std::printf("host_ws_addin_kb: %.0f\n", addin.workingSet);
    std::printf("host_ws_growth_kb: %.0f\n", addin.workingSet - plain.workingSet);
    std::printf("host_private_growth_kb: %.0f\n", addin.privateBytes - plain.privateBytes);
    std::printf("release_dll_kb: %.0f\n", FileKb(bench::BesideProgram(L"Morvane.dll")));
    return 0;
}
