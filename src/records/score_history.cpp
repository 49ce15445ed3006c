#include "records/score_history.h"

#include <string>

#include "ui/gbk.h"

namespace quorvin::records {

ScoreHistory::ScoreHistory(ui::Platform& platform, std::filesystem::path file)
    : platform_(platform), file_(std::move(file)) {}

void ScoreHistory::recoverLeftover() {
    namespace fs = std::filesystem;
    const fs::path leftoverPath = file_.temporaryPath();
    std::error_code error;
    // A link or anything else at that name is no file of ours.
    if (fs::symlink_status(leftoverPath, error).type() != fs::file_type::regular) return;
    ScoreFile saved(file_.path());
    ScoreFile leftover(leftoverPath);
    ScoreTable savedTable;
    ScoreTable leftoverTable;
    const ScoreFile::LoadResult savedResult = saved.load(savedTable);
    // Nothing takes the place of a history that exists but cannot be read.
    if (savedResult == ScoreFile::LoadResult::Unreadable) return;
    const bool whole = leftover.load(leftoverTable) == ScoreFile::LoadResult::Read &&
                       leftover.unreadFromLine() == 0;
    const int more = leftoverTable.ScoreCount() - savedTable.ScoreCount();
    if (whole && more > 0) {
        fs::rename(leftoverPath, file_.path(), error);
        if (!error) {
            platform_.messageBox(
                ui::toGbk("上次保存成绩时程序被中断。保存到一半的成绩文件是完整的，其中新的" +
                          std::to_string(more) + "条成绩已经恢复。"),
                ui::toGbk("提示"), ui::MessageIcon::Information);
            return;
        }
    }
    // The same results as the file: a save that had nothing new (the shutdown's) was cut off
    // before its rename, and nothing is lost.
    if (whole && more == 0) {
        fs::remove(leftoverPath, error);
        return;
    }
    // Cut off while written, or holding fewer results (a save after deletions, or one cut at a
    // line's end): which history is the newer cannot be told, so the old one stands.
    platform_.messageBox(
        ui::toGbk(whole ? "上次保存成绩时程序被中断，留下的 orvScore.dat.tmp "
                          "比成绩文件少了成绩，没有使用；"
                          "成绩文件 orvScore.dat 是中断前的。"
                        : "上次保存成绩时程序被中断，留下的 orvScore.dat.tmp "
                          "没有写完，没有使用；成绩文件 orvScore.dat 是中断前的。"),
        ui::toGbk("提示"), ui::MessageIcon::Warning);
}

bool ScoreHistory::load() {
    recoverLeftover();
    switch (file_.load(table_)) {
        case ScoreFile::LoadResult::Unreadable:
            return false;
        case ScoreFile::LoadResult::Missing:
            break;
        case ScoreFile::LoadResult::Read:
            if (const std::size_t line = file_.unreadFromLine()) {
                const std::string number = std::to_string(line);
                const std::string text =
                    table_.full() ? "成绩文件 orvScore.dat 超过1000000条成绩，从第" + number +
                                        "行起的成绩没有读入，会原样保留在文件末尾。"
                                  : "成绩文件 orvScore.dat 的第" + number +
                                        "行不是一条成绩，从这一行起的内容没有读入，"
                                        "会原样保留在文件末尾。";
                platform_.messageBox(ui::toGbk(text), ui::toGbk("提示"), ui::MessageIcon::Warning);
            }
            break;
    }
    loaded_ = true;
    return true;
}

bool ScoreHistory::record(const orvScoreSet& result) {
    if (!loaded_) return false;
    if (!table_.append(result)) {
        platform_.messageBox(ui::toGbk("成绩记录已满1000000条，本次成绩没有保存。"
                                       "请在“查询打字成绩”中删除旧的成绩。"),
                             ui::toGbk("错误"), ui::MessageIcon::Error);
        return false;
    }
    return saveOrTell("保存打字成绩失败！原有的成绩文件没有改动，本次成绩会在退出时再次保存。");
}

bool ScoreHistory::save() {
    if (!loaded_) return false;
    return saveOrTell("保存打字成绩失败！原有的成绩文件没有改动。");
}

bool ScoreHistory::saveOrTell(const char* failureMessage) {
    if (file_.save(table_)) return true;
    platform_.messageBox(ui::toGbk(failureMessage), ui::toGbk("错误"), ui::MessageIcon::Error);
    return false;
}

}  // namespace quorvin::records
