#include "records/score_query_window.h"

#include <array>

#include "model/typing_types.h"
#include "ui/gbk.h"

namespace quorvin::records {

namespace {

struct ListColumn {
    const char* caption;
    int width;
    ScoreField field;
};

// The list's columns; the first, the type, is each row's caption.
constexpr std::array<ListColumn, ScoreFieldCount> kColumns = {{
    {"打字类型", 80, ScoreField::TypeName},
    {"打字时间", 70, ScoreField::Duration},
    {"打字总数", 70, ScoreField::Total},
    {"正确率", 70, ScoreField::CorrectRate},
    {"错误", 50, ScoreField::Errors},
    {"速度", 70, ScoreField::Speed},
    {"统计日期", 140, ScoreField::Date},
    {"用户", 90, ScoreField::User},
    {"文章名", 160, ScoreField::Article},
}};

constexpr int kListHeight = 408;

ui::Label& label(ui::Form& form, const char* name, int left, int top, const char* caption) {
    auto& l = form.add<ui::Label>(name);
    l.setGeometry({left, top, 0, 0});
    l.setCaption(ui::toGbk(caption));
    return l;
}

ui::ComboBox& comboBox(ui::Form& form, const char* name, int left, int top) {
    auto& box = form.add<ui::ComboBox>(name);
    box.setGeometry({left, top, 145, 21});
    return box;
}

ui::Button& button(ui::Form& form, const char* name, ui::Rect r, const char* caption) {
    auto& b = form.add<ui::Button>(name);
    b.setGeometry(r);
    b.setCaption(ui::toGbk(caption));
    return b;
}

ui::ListView& resultList(ui::Form& form) {
    auto& list = form.add<ui::ListView>("ListView1");
    list.setGeometry({0, TForm3::ClientHeight - kListHeight, TForm3::ClientWidth, kListHeight});
    list.setFont({"宋体", 14, false});
    list.setColour(ui::colours::Teal);
    std::vector<ui::ListView::Column> columns;
    for (const ListColumn& column : kColumns)
        columns.push_back({ui::toGbk(column.caption), column.width});
    list.setColumns(std::move(columns));
    return list;
}

std::vector<std::string> typeFilterItems() {
    std::vector<std::string> items{ui::toGbk("所有类型")};
    for (std::string& caption : model::typingTypeCaptions())
        items.push_back(std::move(caption));
    return items;
}

}  // namespace

TForm3::TForm3(ScoreTable& scores, const std::vector<std::string>& userNames, bool& sortAscending)
    : ui::Form("TForm3"),
      Label1(label(*this, "Label1", 16, 13, "用户：")),
      ComboBox1(comboBox(*this, "ComboBox1", 63, 12)),
      Label2(label(*this, "Label2", 226, 13, "打字类型：")),
      ComboBox2(comboBox(*this, "ComboBox2", 299, 11)),
      Button1(button(*this, "Button1", {459, 8, 75, 25}, "查询(&F)")),
      Button2(button(*this, "Button2", {554, 8, 75, 25}, "退出(&X)")),
      Button3(button(*this, "Button3", {656, 8, 113, 25}, "删除当前成绩")),
      ListView1(resultList(*this)),
      scores_(scores),
      sortAscending_(sortAscending) {
    setCaption(ui::toGbk("查询打字成绩"));
    setClientSize(ClientWidth, ClientHeight);
    setBorderStyle(ui::BorderStyle::Dialog);
    setPosition(ui::FormPosition::MainFormCenter);

    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { close(); };
    Button3.onClick = [this] { Button3Click(); };
    ListView1.onColumnClick = [this](int column) { ListView1ColumnClick(column); };
    FormCreate(userNames);
}

void TForm3::FormCreate(const std::vector<std::string>& userNames) {
    std::vector<std::string> users{ui::toGbk("所有用户")};
    users.insert(users.end(), userNames.begin(), userNames.end());
    ComboBox1.setItems(std::move(users));
    ComboBox1.setItemIndex(0);
    ComboBox2.setItems(typeFilterItems());
    ComboBox2.setItemIndex(0);
    Button1Click();
}

ScoreFilter TForm3::filter() const {
    return ScoreFilter({ComboBox1.itemIndex(), ComboBox1.text()},
                       {ComboBox2.itemIndex(), ComboBox2.text()});
}

void TForm3::showRows(std::vector<int> rows) {
    rows_ = std::move(rows);
    ListView1.setRows(static_cast<int>(rows_.size()), [this](int row, int column) {
        if (row < 0 || row >= static_cast<int>(rows_.size()) || column < 0 ||
            column >= static_cast<int>(kColumns.size()))
            return std::string();
        return std::string(scores_.field(rows_[static_cast<std::size_t>(row)],
                                         kColumns[static_cast<std::size_t>(column)].field));
    });
}

void TForm3::Button1Click() {
    showRows(queryScores(scores_, filter()));
}

void TForm3::Button3Click() {
    deleteScores(scores_, filter());
    showRows({});
}

void TForm3::ListView1ColumnClick(int column) {
    if (column < 0 || column >= static_cast<int>(kColumns.size())) return;
    std::vector<int> rows = std::move(rows_);
    sortRows(rows, scores_, kColumns[static_cast<std::size_t>(column)].field,
             TextOrder::LatinCaseFolded, sortAscending_);
    showRows(std::move(rows));
    sortAscending_ = !sortAscending_;
}

}  // namespace quorvin::records
