#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reading the data files of the program folder: plain ones whole, enciphered ones deciphered
// in memory or through a plaintext temporary file read line by line.
namespace quorvin::data {

enum class DataFileStatus {
    Ok,
    // The data file is missing or cannot be read.
    Unreadable,
    // The program folder would not take the temporary file, or would not give it back.
    TempFileFailed,
};

// The whole file; nothing when it does not open or a read fails.
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::filesystem::path& file);

// The plaintext of an enciphered file: its length rounded up to a multiple of 8.
std::optional<std::vector<std::uint8_t>> decipherFile(const std::filesystem::path& file);

// "wbOne.dat" -> "wbOneTemp.dat".
std::string tempFileName(std::string_view dataFile);

// Called with each line, terminator excluded; returns false to stop reading.
using LineSink = std::function<bool(std::string_view line)>;

// Deciphers dataFile of the folder into its temporary file there (replacing one left from an
// earlier run), reads that back line by line into sink and deletes it again, whatever happened.
// A line ends at LF; a CR before it belongs to the terminator, so CR LF and bare LF both end a
// line. The zero bytes that pad the last block form a final line of their own.
DataFileStatus readThroughTempFile(const std::filesystem::path& folder, std::string_view dataFile,
                                   const LineSink& sink);

}  // namespace quorvin::data
