#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace quorvin::testing {

// The program folder the build made.
std::filesystem::path builtProgramFolder();

// A fresh program folder under the system's temporary folder, removed again at the end of
// the test. It starts empty; copy in what the test needs.
class TempProgramFolder {
  public:
    TempProgramFolder();
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Copies these files of the built program folder in.
    void copyFromBuild(std::initializer_list<const char*> names);
    // Copies every file of the built program folder except the executable.
    void copyAllDataFromBuild();
    void write(const std::string& name, const std::string& bytes);
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

// What a folder holds, to prove that a run wrote nothing: each file's name with its content.
std::map<std::string, std::string> snapshot(const std::filesystem::path& folder);

}  // namespace quorvin::testing
