#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/data_cipher.h"
#include "program_folder.h"

namespace quorvin::mkdata {
namespace {

using testing::TempProgramFolder;

struct ToolRun {
    int exitCode;
    std::string out;
};

// Runs the real tool and takes its standard output byte for byte.
ToolRun mkdata(const std::string& arguments) {
    const std::string command =
        std::string("'") + MKDATA_EXECUTABLE + "' " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) throw std::runtime_error("popen");
    ToolRun run{0, {}};
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;)
        run.out.append(chunk, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(MkdataDecipher, WritesThePaddedPlaintextOfAnyFile) {
    TempProgramFolder folder;
    const std::string plain = std::string("wbOne\r\nline with \0 byte\r\n", 25) + "tail";
    const auto sealed = data::encipher(std::vector<std::uint8_t>(plain.begin(), plain.end()));
    folder.write("wbOne.dat", std::string(sealed.begin(), sealed.end()));
    folder.write("empty.dat", "");

    const ToolRun run = mkdata("decipher '" + (folder / "wbOne.dat").string() + "'");
    EXPECT_EQ(run.exitCode, 0);
    std::string padded = plain;
    padded.resize((plain.size() + 7) / 8 * 8, '\0');
    EXPECT_EQ(run.out, padded);

    const ToolRun empty = mkdata("decipher '" + (folder / "empty.dat").string() + "'");
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_EQ(empty.out, "");
}

TEST(MkdataDecipher, AFileThatCannotBeReadFailsWithNothingWritten) {
    TempProgramFolder folder;
    for (const std::string& path : {(folder / "missing.dat").string(), folder.path().string()}) {
        SCOPED_TRACE(path);
        const ToolRun run = mkdata("decipher '" + path + "'");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_EQ(mkdata("decipher").exitCode, 2);
}

}  // namespace
}  // namespace quorvin::mkdata
