// mkdata: builds the data files of the program folder from the sources in the repository.
// Each product lives in its own file; this is only the dispatcher.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string_view>

#include "mkdata/articles.h"
#include "mkdata/decipher_command.h"
#include "mkdata/music.h"
#include "mkdata/practice_tables_writer.h"
#include "mkdata/resource_containers.h"
#include "mkdata/score_file.h"

namespace {

struct Product {
    std::string_view name;
    std::string_view summary;
    void (*build)(const std::filesystem::path& outDir);
};

constexpr Product kProducts[] = {
    {"resources",
     "WavRes.dll, wbrc1.dll, wbrc2.dll (sounds, syllables and key-stroke animations), the\n"
     "             syllables spoken by espeak-ng once and kept in " QUORVIN_SOUND_CACHE_DIR,
     [](const std::filesystem::path& outDir) {
         quorvin::mkdata::buildResourceContainers(
             outDir, {QUORVIN_DATA_SOURCE_DIR, QUORVIN_SOUND_CACHE_DIR});
     }},
    {"music", "Test1.mp3, Test0.mp3 (background music of the idle window and the drills)",
     quorvin::mkdata::buildMusic},
    {"scores", "orvScore.dat (an empty score history: its two header lines)",
     quorvin::mkdata::buildScoreFile},
    {"tables",
     "wb1.dat, wb2.dat, wbzg.dat, wbOne.dat, wbs.dat, wbTwo.dat, wbMulti.dat, PYs.dat,\n"
     "             PYOne.dat, PYTwo.dat, PYMulti.dat (the practice tables), made from the tables\n"
     "             of " QUORVIN_DATA_SOURCE_DIR,
     [](const std::filesystem::path& outDir) {
         quorvin::mkdata::buildPracticeTables(QUORVIN_DATA_SOURCE_DIR, outDir);
     }},
    {"articles",
     "English/*.txt, Chinese/*.txt (the shipped articles, GBK with CR LF), made from\n"
     "             " QUORVIN_DATA_SOURCE_DIR "/articles",
     [](const std::filesystem::path& outDir) {
         quorvin::mkdata::buildArticles(QUORVIN_DATA_SOURCE_DIR, outDir);
     }},
};

int usage() {
    std::fprintf(stderr, "usage: mkdata PRODUCT OUTDIR\n\nPRODUCT is one of:\n");
    std::fprintf(stderr, "  %-10s every product below\n", "all");
    for (const Product& product : kProducts) {
        std::fprintf(stderr, "  %-10.*s %.*s\n", static_cast<int>(product.name.size()),
                     product.name.data(), static_cast<int>(product.summary.size()),
                     product.summary.data());
    }
    std::fprintf(stderr,
                 "\nusage: mkdata decipher FILE   (the plaintext of an enciphered table)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return usage();
    const std::string_view wanted = argv[1];
    if (wanted == "decipher") return quorvin::mkdata::decipherCommand(argv[2], stdout, stderr);
    const std::filesystem::path outDir = argv[2];

    bool known = false;
    try {
        for (const Product& product : kProducts) {
            if (wanted != "all" && wanted != product.name) continue;
            known = true;
            product.build(outDir);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mkdata: %s\n", error.what());
        return 1;
    }
    return known ? 0 : usage();
}
