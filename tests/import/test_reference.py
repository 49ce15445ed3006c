"""Checks the readings of the Pinyin tables against a second dictionary that the import does
not read (pinyin-pro's, installed from npm by tools/setup.sh), with a short reviewed list of
the places where that dictionary is wrong or two readings are standard."""

import os
import sys
import unittest

sys.dont_write_bytecode = True

import reference  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DATA_SRC = os.path.normpath(os.path.join(HERE, "..", "..", "data-src"))
PINYIN_TABLES = ("PYs", "PYOne", "PYTwo", "PYMulti")

# Readings the tables once had, each a fault a learner would carry: they must be found if
# they come back.
WRONG_BEFORE = """
只要 zhi1 yao4|只有 zhi1 you3|只是 zhi1 shi4|只好 zhi1 hao3|只能 zhi1 neng2|只见 zhi1 jian4
只怕 zhi1 pa4|只管 zhi1 guan3|成绩 cheng2 ji1|业绩 ye4 ji1|功绩 gong1 ji1|战绩 zhan4 ji1
政绩 zheng4 ji1|绩效 ji1 xiao4|古迹 gu3 ji1|奇迹 qi2 ji1|痕迹 hen2 ji1|遗迹 yi2 ji1
迹象 ji1 xiang4|轨迹 gui3 ji1|足迹 zu2 ji1|蛛丝马迹 zhu1 si1 ma3 ji1|应用 ying1 yong4
当真 dang1 zhen1|模样 mo2 yang4|相差 xiang1 cha1|重用 chong2 yong4|宁可 ning2 ke3
框架 kuang1 jia4|从容 cong1 rong2|萎缩 wei1 suo1|着想 zhao2 xiang3|着陆 zhao2 lu4
处在 chu4 zai4|朝夕相处 zhao1 xi1 xiang1 chu4|大为 da4 wei4|名为 ming2 wei4|身为 shen1 wei4
沦为 lun2 wei4|电荷 dian4 he2|白发 bai2 fa1|茶几 cha2 ji3|包扎 bao1 zha1|投奔 tou2 ben1
混蛋 hun4 dan4|载人 zai3 ren2|转载 zhuan3 zai4|曲艺 qu1 yi4|转速 zhuan3 su4|多重 duo1 zhong4
事情 shi4 qing2|暖和 nuan3 he2|笑话 xiao4 hua4
"""


def wrong_before():
    items = [item.split(" ", 1) for line in WRONG_BEFORE.split("\n") for item in line.split("|")
             if item.strip()]
    return [(word, sounds) for word, sounds in items]


class ReadingsAgreeWithASecondDictionary(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.chars = reference.load_chars()
        cls.words = reference.load_words()
        cls.tables = {name: reference.read_tsv(os.path.join(DATA_SRC, name + ".tsv"))
                      for name in PINYIN_TABLES}
        cls.exceptions = {row[0]: row[1].split()
                          for row in reference.read_tsv(os.path.join(HERE,
                                                                     "reference_exceptions.tsv"))}
        cls.found = reference.findings(cls.tables, cls.chars, cls.words, cls.exceptions)

    def failing(self, found):
        return [f for f in found if f[4] in ("full", "light")]

    def test_the_reference_is_complete_enough_to_check_against(self):
        self.assertGreater(len(self.chars), 20000)
        self.assertGreater(len(self.words), 300000)
        self.assertEqual(self.chars["只"], {"zhi1", "zhi3"})
        compared = sum(1 for w, *_ in self.tables["PYTwo"] + self.tables["PYMulti"]
                       if w in self.words or w in self.exceptions)
        self.assertGreater(compared, 13000, "words and phrases found in the reference")

    def test_no_full_tone_differs_and_no_light_syllable_is_given_a_tone(self):
        failing = self.failing(self.found)
        self.assertEqual(failing, [], "\n".join("\t".join(f) for f in failing))
        toned = [f for f in self.found if f[4] == "toned"]
        # Where the tables read light what the reference gives a tone (optionally light words
        # the import's dictionary reads light), the count is kept in view, not failed.
        self.assertLess(len(toned), 150, "\n".join("\t".join(f) for f in toned))

    def test_every_reviewed_exception_is_needed_and_used(self):
        entries = {row[0]: row[-1].split() for name in ("PYTwo", "PYMulti")
                   for row in self.tables[name]}
        char_readings = {(row[0], row[3]) for name in ("PYs", "PYOne")
                         for row in self.tables[name]}
        for entry, sounds in self.exceptions.items():
            with self.subTest(entry=entry):
                if len(entry) > 1:
                    self.assertIn(entry, entries, "not in the tables any more")
                    self.assertEqual(entries[entry], sounds)
                    theirs = self.words.get(entry)
                    self.assertIsNotNone(theirs)
                    self.assertIsNotNone(reference.difference(entry, sounds, theirs),
                                         "the reference agrees: drop the exception")
                else:
                    self.assertIn((entry, sounds[0]), char_readings, "not in the tables")
                    self.assertNotIn(sounds[0], self.chars.get(entry, set()))

    def test_the_wrong_readings_found_before_are_caught_when_planted(self):
        for word, wrong in wrong_before():
            with self.subTest(word=word):
                name = "PYTwo" if len(word) == 2 else "PYMulti"
                planted = {n: [list(r) for r in rows] for n, rows in self.tables.items()}
                rows = [r for r in planted[name] if r[0] == word]
                if rows:
                    rows[0][3] = wrong
                else:
                    planted[name].append([word, "", "", wrong])
                found = self.failing(reference.findings(planted, self.chars, self.words,
                                                        self.exceptions))
                self.assertIn(word, [f[1] for f in found])

    def test_differences_are_classified(self):
        cases = [
            ("只要", "zhi1 yao4", "zhi3 yao4", "full"),
            ("模样", "mo2 yang4", "mu2 yang4", "full"),
            ("事情", "shi4 qing2", "shi4 qing5", "neutral"),
            ("知道", "zhi1 dao5", "zhi1 dao4", "neutral"),
            ("一个", "yi1 ge4", "yi2 ge4", None),
            ("不会", "bu4 hui4", "bu2 hui4", None),
            ("一下", "yi1 xia4", "yi1 xia4", None),
            ("行人", "xing2 ren2", "hang2 ren2", "full"),
        ]
        for word, ours, theirs, kind in cases:
            with self.subTest(word=word):
                self.assertEqual(reference.difference(word, ours.split(), theirs.split()), kind)


if __name__ == "__main__":
    unittest.main()
