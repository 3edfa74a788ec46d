// Arbitrary bytes as a profile list, a profile file and a saved level, then
// the list is read, completed and saved: nothing may crash.
//
// Input: one length byte n; the next n bytes are "profiles.dat", the rest is
// split at the first two bytes 0 into "profile.dat", "level.txt" and the
// backup "profile.dat.bak" of the profile "ANN" (folder 65-78-78-). A
// missing list makes the folders be read; a damaged profile its backup.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "frame/globals.h"
#include "fuzz_folder.h"
#include "quest/profile_list.h"

namespace {

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::filesystem::path Root() { return FuzzFolder("fuzz-profile"); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t listSize =
        input.empty() ? 0 : std::min<size_t>(static_cast<unsigned char>(input[0]), size - 1);
    const std::string list = input.substr(input.empty() ? 0 : 1, listSize);
    const std::string rest = input.substr(std::min(size, 1 + listSize));
    const size_t zero = rest.find('\0');
    const std::string profile = rest.substr(0, zero);
    const std::string after = zero == std::string::npos ? std::string() : rest.substr(zero + 1);
    const size_t zero2 = after.find('\0');
    const std::string level = after.substr(0, zero2);
    const std::string backup = zero2 == std::string::npos ? std::string() : after.substr(zero2 + 1);

    const std::filesystem::path user = Root() / "user";
    std::filesystem::remove_all(user);
    if (!list.empty()) Write(user / "Profiles" / "profiles.dat", list);
    if (!backup.empty()) Write(user / "Profiles" / "65-78-78-" / "profile.dat.bak", backup);
    Write(user / "Profiles" / "65-78-78-" / "profile.dat", profile);
    if (!level.empty()) Write(user / "Profiles" / "65-78-78-" / "level.txt", level);
    userDir = user.string();
    gameDir = (Root() / "game").string() + "/";

    actProfile = nullptr;
    profileManager.profiles.clear();
    profileManager.heldFiles.clear();
    profileManager.txtPlayer = "PLAYER";
    profileManager.loadBasicProfiles();
    profileManager.loadProfiles();
    profileManager.saveProfiles();
    // Read back what was written.
    actProfile = nullptr;
    profileManager.profiles.clear();
    profileManager.loadBasicProfiles();
    profileManager.loadProfiles();
    return 0;
}
