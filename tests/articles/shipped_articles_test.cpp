// The articles the build ships in the program folder, read as the trainer reads them.

#include <gtest/gtest.h>

#include <string>

#include "articles/article_list.h"
#include "articles/article_text.h"
#include "data/practice_tables.h"
#include "program_folder.h"
#include "ui/gbk.h"

namespace quorvin::testing {
namespace {

TEST(ShippedArticles, EachFolderHoldsEnoughGbkTextsWithWindowsLineEnds) {
    TempProgramFolder folder;
    folder.copyAllDataFromBuild();
    data::PracticeTables tables;
    ASSERT_EQ(tables.load(folder.path()), data::DataFileStatus::Ok);
    const struct {
        const char* folder;
        std::size_t least;
        std::size_t fewestBytes;
    } cases[] = {{"English", 10, 150}, {"Chinese", 30, 600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        articles::ArticleList list;
        list.list(builtProgramFolder() / c.folder);
        EXPECT_GE(list.entries().size(), c.least);
        std::size_t characters = 0, typeable = 0;
        for (const auto& entry : list.entries()) {
            SCOPED_TRACE(entry.path.filename().string());
            articles::ArticleText text;
            ASSERT_TRUE(text.load(entry.path));
            const std::string& bytes = text.bytes;
            EXPECT_GE(bytes.size(), c.fewestBytes);
            EXPECT_EQ(ui::toGbk(ui::fromGbk(bytes)), bytes) << "not GBK";
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                const bool pairedCr =
                    bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
                const bool pairedLf = bytes[i] == '\n' && i > 0 && bytes[i - 1] == '\r';
                if (bytes[i] == '\r' || bytes[i] == '\n') {
                    ASSERT_TRUE(pairedCr || pairedLf) << i;
                }
            }
            if (std::string(c.folder) != "Chinese") continue;
            // Typed through an input method: full-width text, every character in the Wubi
            // table so that the hints can show its code.
            for (std::size_t i = 0; i < bytes.size();) {
                if (!ui::isGbkLeadByte(static_cast<unsigned char>(bytes[i]))) {
                    EXPECT_TRUE(bytes[i] == '\r' || bytes[i] == '\n') << "ASCII at " << i;
                    ++i;
                    continue;
                }
                const auto lead = static_cast<unsigned char>(bytes[i]);
                const std::string ch = bytes.substr(i, 2);
                i += 2;
                if (lead >= 0xA1 && lead <= 0xA9) continue;  // full-width punctuation and digits
                ++characters;
                for (int p = 1; p < tables.wubi.WbOneTable.End(); ++p) {
                    if (tables.wubi.WbOneTable[p].Char == ch) {
                        ++typeable;
                        break;
                    }
                }
            }
        }
        if (characters > 0) {
            EXPECT_GE(static_cast<double>(typeable) / static_cast<double>(characters), 0.99)
                << typeable << " of " << characters;
        }
    }
}

}  // namespace
}  // namespace quorvin::testing
