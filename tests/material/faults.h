#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvin::material {

// The faults one check finds across a table: all counted, the first few shown, so one bad
// source column does not bury the report under thousands of lines.
class Faults {
  public:
    explicit Faults(std::string check) : check_(std::move(check)) {}

    void add(std::string fault) { faults_.push_back(std::move(fault)); }

    // Fails the test when there is any.
    void expectNone(std::size_t shown = 30) const {
        if (faults_.empty()) return;
        std::string text;
        for (std::size_t i = 0; i < faults_.size() && i < shown; ++i)
            text += "\n  " + faults_[i];
        ADD_FAILURE() << check_ << ": " << faults_.size() << " faults" << text;
    }

  private:
    std::string check_;
    std::vector<std::string> faults_;
};

}  // namespace quorvin::material
