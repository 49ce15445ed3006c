#include "mkdata/practice_tables_writer.h"

#include <cstdint>
#include <fstream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/data_cipher.h"
#include "mkdata/table_layout.h"

namespace quorvin::mkdata {

namespace {

namespace fs = std::filesystem;

// Enough to fix a batch of rows; a wrong column would otherwise list every row.
constexpr std::size_t kProblemsShown = 40;

struct BuiltTable {
    const TableLayout* layout;
    std::string bytes;
};

class Problems {
  public:
    void add(std::string problem) {
        ++count_;
        if (count_ <= kProblemsShown) text_ += "\n  " + problem;
    }
    void throwIfAny() const {
        if (count_ == 0) return;
        std::string message = "the practice tables do not fit the program's layouts:" + text_;
        if (count_ > kProblemsShown)
            message += "\n  ... and " + std::to_string(count_ - kProblemsShown) + " more";
        throw std::runtime_error(message);
    }

  private:
    std::size_t count_ = 0;
    std::string text_;
};

// The row as the source file has it, tabs shown, so a fault can be found at a glance.
std::string shown(const SourceTable::Row& row) {
    std::string text;
    for (const std::string& field : row.fields)
        text += (text.empty() ? "" : " | ") + field;
    return text;
}

std::string plaintextOf(const TableLayout& layout, const SourceTable& table, GbkEncoder& gbk,
                        Problems& problems) {
    std::string plaintext;
    for (const SourceTable::Row& row : table.rows()) {
        try {
            FixedLine line;
            layout.layOut(SourceRecord(table, row, gbk), line);
            // Cannot happen with the layouts' required fields; would silently end the table.
            if (line.size() < layout.minLength)
                throw std::runtime_error("the line is shorter than the program reads");
            plaintext += line.crlf();
        } catch (const std::runtime_error& error) {
            problems.add(table.name() + " line " + std::to_string(row.line) + ": " + error.what() +
                         " [" + shown(row) + "]");
        }
    }
    return plaintext;
}

BuiltTable build(const TableLayout& layout, const fs::path& sourceDir, GbkEncoder& gbk,
                 Problems& problems) {
    const SourceTable table = SourceTable::read(sourceDir / layout.source);
    for (std::string_view column : layout.columns) {
        if (!column.empty()) table.require({column});
    }
    const std::size_t rows = table.rows().size();
    if (rows > layout.capacity) {
        problems.add(table.name() + ": " + std::to_string(rows) + " rows, the program keeps " +
                     std::to_string(layout.capacity));
    }
    std::string plaintext = plaintextOf(layout, table, gbk, problems);
    if (layout.finish) {
        try {
            layout.finish(plaintext, rows);
        } catch (const std::runtime_error& error) {
            problems.add(table.name() + ": " + error.what());
        }
    }
    if (!layout.enciphered) return {&layout, std::move(plaintext)};
    const auto sealed = data::encipher(
        std::span(reinterpret_cast<const std::uint8_t*>(plaintext.data()), plaintext.size()));
    return {&layout, std::string(sealed.begin(), sealed.end())};
}

// Through a partial file renamed into place, so a reader never meets half a table.
void replaceFile(const fs::path& file, const std::string& bytes) {
    fs::path partial = file;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (out.fail()) {
            std::error_code ignored;
            fs::remove(partial, ignored);
            throw std::runtime_error("cannot write " + partial.string());
        }
    }
    std::error_code error;
    fs::rename(partial, file, error);
    if (error) throw std::runtime_error(file.string() + ": " + error.message());
}

}  // namespace

void buildPracticeTables(const fs::path& sourceDir, const fs::path& outDir) {
    GbkEncoder gbk;
    Problems problems;
    std::vector<BuiltTable> tables;
    for (const auto layouts : {wubiLayouts(), pinyinLayouts()}) {
        for (const TableLayout& layout : layouts) {
            try {
                tables.push_back(build(layout, sourceDir, gbk, problems));
            } catch (const std::runtime_error& error) {
                problems.add(error.what());
            }
        }
    }
    problems.throwIfAny();

    fs::create_directories(outDir);
    for (const BuiltTable& table : tables)
        replaceFile(outDir / table.layout->output, table.bytes);
}

}  // namespace quorvin::mkdata
