#pragma once

#include <filesystem>
#include <system_error>
#include <utility>
#include <vector>

namespace quorvin::mkdata {

// Removes the files it names when it goes, however the work that made them ends.
class TemporaryFiles {
  public:
    explicit TemporaryFiles(std::vector<std::filesystem::path> files) : files_(std::move(files)) {}
    ~TemporaryFiles() {
        for (const auto& file : files_) {
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
    }
    TemporaryFiles(const TemporaryFiles&) = delete;
    TemporaryFiles& operator=(const TemporaryFiles&) = delete;

  private:
    std::vector<std::filesystem::path> files_;
};

}  // namespace quorvin::mkdata
