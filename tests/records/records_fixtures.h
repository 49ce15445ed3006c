#pragma once

#include <string>
#include <vector>

#include <optional>

#include "app/settings.h"
#include "program_folder.h"
#include "records/score_store.h"
#include "ui/gbk.h"
#include "ui/qt/ini_settings_store.h"

// Results, score files and user lists as the tests build them; texts are written in UTF-8
// and stored GBK.
namespace quorvin::testing {

inline const std::string kHeader1 = "Quorvin score history";
inline const std::string kHeader2 = "user / type / time / total / rate / errors / speed";

// A result of user `user` (UTF-8) in type `type` (UTF-8) with this total.
inline records::orvScoreSet result(const char* user, const char* type, const char* total = "100字",
                                   const char* article = "") {
    return {ui::toGbk(user),
            ui::toGbk(type),
            "0:1:0",
            ui::toGbk(total),
            "95.5%",
            "3",
            ui::toGbk("120字/分"),
            ui::toGbk("2024年9月1日10时30分 星期日"),
            ui::toGbk(article)};
}

// One entry line exactly as the file holds it: each field padded to its width, CR LF.
inline std::string entryLine(const records::orvScoreSet& record) {
    std::string line;
    for (std::size_t f = 0; f < records::ScoreFieldCount; ++f) {
        const std::string& text = records::fieldOf(record, static_cast<records::ScoreField>(f));
        line += text;
        if (text.size() < records::ScoreFieldWidths[f])
            line.append(records::ScoreFieldWidths[f] - text.size(), ' ');
    }
    return line + "\r\n";
}

inline std::string scoreFile(const std::vector<records::orvScoreSet>& records,
                             const std::string& header1 = kHeader1,
                             const std::string& header2 = kHeader2) {
    std::string file = header1 + "\r\n" + header2 + "\r\n";
    for (const auto& record : records)
        file += entryLine(record);
    return file;
}

// A prepare step for a run: the program folder's score file holds these bytes.
inline auto withScoreFile(std::string bytes) {
    return [bytes = std::move(bytes)](TempProgramFolder& folder) {
        folder.write("orvScore.dat", bytes);
    };
}

// A prepare step for a run: the stored user list and current user (UTF-8).
inline auto withUsers(std::string users, std::string current) {
    return [users = std::move(users), current = std::move(current)](TempProgramFolder& folder) {
        ui::qt::IniSettingsStore store(folder / "Quorvin.ini");
        store.openKey(model::SettingsKeyPath, true);
        store.writeString("Users", ui::toGbk(users));
        store.writeString("CurrentUser", ui::toGbk(current));
    };
}

// A text value of the settings file as the next run reads it (UTF-8).
inline std::optional<std::string> storedText(const TempProgramFolder& folder, const char* name) {
    ui::qt::IniSettingsStore store(folder / "Quorvin.ini");
    store.openKey(model::SettingsKeyPath, false);
    const auto gbk = store.readString(name);
    if (!gbk) return std::nullopt;
    return ui::fromGbk(*gbk);
}

}  // namespace quorvin::testing
