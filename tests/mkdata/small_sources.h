#pragma once

#include "program_folder.h"

namespace quorvin::test {

// A data-src/ of a few lines a table: what the resource containers are made from.
inline void writeSmallSources(quorvin::testing::TempProgramFolder& folder) {
    folder.write("wbOne.tsv",
                 "char\tcode1\tcode2\tcode3\tcode4\n"
                 "的\tr\trqy\trqyy\t\n"
                 "了\tb\tbnh\t\t\n"
                 "工\ta\taa\taaa\taaaa\n");
    folder.write("PYs.tsv",
                 "char\treading\tspelling\tsound\n"
                 "地\tde\tde\tde5\n"
                 "地\tdì\tdi\tdi4\n");
    folder.write("PYOne.tsv",
                 "sound\tchar\treading\tspelling\n"  // columns are found by name
                 "di4\t地\tdì\tdi\n"
                 "lv4\t绿\tlǜ\tlv\n");
    folder.write("PYTwo.tsv",
                 "word\tspelling\treading\tsounds\n"
                 "中国\tzhongguo\tzhōngguó\tzhong1 guo2\n");
    folder.write("PYMulti.tsv",
                 "phrase\tspelling\treading\tsounds\n"
                 "一口气\tykq\tyī kǒu qì\tyi1 kou3 qi4\n");
}

}  // namespace quorvin::test
