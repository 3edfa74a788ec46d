// The scratch folder of a fuzzer that writes the files it reads: in memory (/dev/shm) where the
// system has it, since every save is flushed to the disk (fsync) and a disk made the profile
// fuzzer eight times slower; removed when the fuzzer ends (never freed, so the exit handler can
// still use it).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

inline const std::string& FuzzFolder(const char* name) {
    static const std::string* folder = [name] {
        const std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                               ? std::filesystem::path("/dev/shm")
                                               : std::filesystem::temp_directory_path();
        std::string tmpl = (base / (std::string("brambleton-") + name + "-XXXXXX")).string();
        if (!mkdtemp(tmpl.data())) std::abort();
        return new std::string(tmpl);
    }();
    static const bool cleanup = std::atexit([] {
                                    std::error_code ec;
                                    std::filesystem::remove_all(*folder, ec);
                                }) == 0;
    (void)cleanup;
    return *folder;
}
