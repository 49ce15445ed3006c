#include "program_folder.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace quorvin::testing {

namespace fs = std::filesystem;

fs::path builtProgramFolder() {
    return fs::path(QUORVIN_PROGRAM_DIR);
}

TempProgramFolder::TempProgramFolder() {
    std::string pattern = (fs::temp_directory_path() / "quorvin-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempProgramFolder::~TempProgramFolder() {
    std::error_code ignored;
    // A test may have made the folder read-only; give the owner its rights back first.
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

void TempProgramFolder::copyFromBuild(std::initializer_list<const char*> names) {
    for (const char* name : names)
        fs::copy_file(builtProgramFolder() / name, path_ / name,
                      fs::copy_options::overwrite_existing);
}

void TempProgramFolder::copyAllDataFromBuild() {
    for (const auto& entry : fs::directory_iterator(builtProgramFolder())) {
        if (!entry.is_regular_file() || entry.path().filename() == "quorvin") continue;
        fs::copy_file(entry.path(), path_ / entry.path().filename(),
                      fs::copy_options::overwrite_existing);
    }
}

void TempProgramFolder::write(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + name);
}

std::string TempProgramFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + name);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) {
            files[fs::relative(entry.path(), folder).string() + "/"] = "";
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        files[fs::relative(entry.path(), folder).string()] = content.str();
    }
    return files;
}

}  // namespace quorvin::testing
