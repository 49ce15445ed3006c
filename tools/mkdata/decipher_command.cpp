#include "mkdata/decipher_command.h"

#include <fstream>
#include <vector>

#include "data/data_cipher.h"

namespace quorvin::mkdata {

int decipherCommand(const std::filesystem::path& file, std::FILE* out, std::FILE* err) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> sealed;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        sealed.insert(sealed.end(), chunk, chunk + in.gcount());
    // A folder opens but fails on its first read, which leaves the stream bad.
    if (!in.is_open() || in.bad()) {
        std::fprintf(err, "mkdata: cannot read %s\n", file.c_str());
        return 1;
    }
    const auto plain = data::decipher(sealed);
    const bool written =
        plain.empty() || std::fwrite(plain.data(), 1, plain.size(), out) == plain.size();
    if (!written || std::fflush(out) != 0) {
        std::fprintf(err, "mkdata: cannot write the plaintext\n");
        return 1;
    }
    return 0;
}

}  // namespace quorvin::mkdata
