#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin::records {

// One stored practice result. All fields are GBK text.
struct orvScoreSet {
    std::string User;
    std::string TypeName;
    std::string Duration;
    std::string Total;
    std::string CorrectRate;
    std::string Errors;
    std::string Speed;
    std::string Date;
    std::string Article;

    bool operator==(const orvScoreSet&) const = default;
};

// The fields of a result, in their order in the record and in the file.
enum class ScoreField {
    User,
    TypeName,
    Duration,
    Total,
    CorrectRate,
    Errors,
    Speed,
    Date,
    Article
};
inline constexpr std::size_t ScoreFieldCount = 9;

// Bytes each field takes in a line of the score file, in field order.
inline constexpr std::array<std::size_t, ScoreFieldCount> ScoreFieldWidths = {100, 20, 20, 20, 20,
                                                                              20,  20, 40, 100};
inline constexpr std::size_t ScoreLineWidth = 360;

std::string& fieldOf(orvScoreSet& record, ScoreField field);
const std::string& fieldOf(const orvScoreSet& record, ScoreField field);

// The history of results: positions 1 to ScoreCount(), oldest first. An entry whose User is
// empty is deleted: it keeps its position until the table is read again, but is neither
// listed nor written.
//
// Entries are packed into one arena (a full table would otherwise spend 288 MB on string
// objects alone); fields are read as views into it, valid until the table changes.
class ScoreTable {
  public:
    static constexpr int Capacity = 1'000'000;

    ScoreTable();
    ~ScoreTable();
    ScoreTable(ScoreTable&&) noexcept;
    ScoreTable& operator=(ScoreTable&&) noexcept;

    // The two first lines of the file, kept verbatim.
    std::string ScoreHeader1;
    std::string ScoreHeader2;

    int ScoreCount() const { return static_cast<int>(slots_.size()); }
    bool full() const { return ScoreCount() >= Capacity; }

    std::string_view field(int position, ScoreField field) const;
    // All nine at once, in field order.
    std::array<std::string_view, ScoreFieldCount> fields(int position) const;
    orvScoreSet at(int position) const;
    bool deleted(int position) const { return field(position, ScoreField::User).empty(); }

    // Adds an entry at ScoreCount() + 1, each field cut to its width at a character
    // boundary, so every stored entry fits its columns. Refused (false) when full.
    bool append(const orvScoreSet& record);
    // The same for fields read from the file's columns, which fit their widths already.
    bool appendFields(const std::array<std::string_view, ScoreFieldCount>& fields);

    // Makes room for this many entries in all, so appending up to it does not move the table.
    void reserve(int entries);

    // Clears the nine fields of one entry; the others keep their positions.
    void clear(int position);
    // Clears every entry and sets ScoreCount() to 0.
    void clearAll();

  private:
    struct Slot {
        std::uint32_t offset = 0;  // into the arena; a full table holds under 4 GB
        std::array<std::uint8_t, ScoreFieldCount> lengths{};
    };
    char* allocate(std::size_t bytes);
    const Slot& slot(int position) const;

    std::vector<Slot> slots_;
    std::vector<std::unique_ptr<char[]>> chunks_;
    std::size_t usedInLastChunk_ = 0;
};

}  // namespace quorvin::records
