#include "records/score_store.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "ui/gbk.h"

namespace quorvin::records {

namespace {

// Entries never straddle two chunks, so a chunk must hold the widest one.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;
static_assert(kChunkBytes >= ScoreLineWidth);

constexpr std::size_t index(ScoreField field) {
    return static_cast<std::size_t>(field);
}

// Copies a few bytes with fixed-size moves (two that may overlap) instead of a library call
// for each of an entry's nine short fields: loading a full table appends nine million.
void copyField(char* to, const char* from, std::size_t n) {
    if (n >= 16 && n <= 32) {
        std::memcpy(to, from, 16);
        std::memcpy(to + n - 16, from + n - 16, 16);
    } else if (n >= 8 && n < 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + n - 8, from + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + n - 4, from + n - 4, 4);
    } else if (n > 0 && n < 4) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    } else if (n > 32) {
        std::memcpy(to, from, n);
    }
}

// The field's member, for a record that may be const.
template <typename Record>
auto& fieldIn(Record& record, ScoreField field) {
    switch (field) {
        case ScoreField::User:
            return record.User;
        case ScoreField::TypeName:
            return record.TypeName;
        case ScoreField::Duration:
            return record.Duration;
        case ScoreField::Total:
            return record.Total;
        case ScoreField::CorrectRate:
            return record.CorrectRate;
        case ScoreField::Errors:
            return record.Errors;
        case ScoreField::Speed:
            return record.Speed;
        case ScoreField::Date:
            return record.Date;
        case ScoreField::Article:
            return record.Article;
    }
    throw std::invalid_argument("no such score field");
}

}  // namespace

std::string& fieldOf(orvScoreSet& record, ScoreField field) {
    return fieldIn(record, field);
}

const std::string& fieldOf(const orvScoreSet& record, ScoreField field) {
    return fieldIn(record, field);
}

ScoreTable::ScoreTable() = default;
ScoreTable::~ScoreTable() = default;
ScoreTable::ScoreTable(ScoreTable&&) noexcept = default;
ScoreTable& ScoreTable::operator=(ScoreTable&&) noexcept = default;

const ScoreTable::Slot& ScoreTable::slot(int position) const {
    if (position < 1 || position > ScoreCount())
        throw std::out_of_range("score position " + std::to_string(position));
    return slots_[static_cast<std::size_t>(position - 1)];
}

std::string_view ScoreTable::field(int position, ScoreField field) const {
    const Slot& s = slot(position);
    const std::size_t length = s.lengths[index(field)];
    // An entry with no bytes may sit at the very end of its chunk.
    if (length == 0) return {};
    std::size_t start = s.offset % kChunkBytes;
    for (std::size_t f = 0; f < index(field); ++f)
        start += s.lengths[f];
    return {chunks_[s.offset / kChunkBytes].get() + start, length};
}

std::array<std::string_view, ScoreFieldCount> ScoreTable::fields(int position) const {
    const Slot& s = slot(position);
    std::array<std::string_view, ScoreFieldCount> all{};
    // An entry with no bytes may sit at the very end of its chunk.
    if (s.lengths == decltype(s.lengths){}) return all;
    const char* at = chunks_[s.offset / kChunkBytes].get() + s.offset % kChunkBytes;
    for (std::size_t f = 0; f < ScoreFieldCount; ++f) {
        all[f] = {at, s.lengths[f]};
        at += s.lengths[f];
    }
    return all;
}

orvScoreSet ScoreTable::at(int position) const {
    orvScoreSet record;
    for (std::size_t f = 0; f < ScoreFieldCount; ++f) {
        const auto which = static_cast<ScoreField>(f);
        fieldOf(record, which) = std::string(field(position, which));
    }
    return record;
}

char* ScoreTable::allocate(std::size_t bytes) {
    if (chunks_.empty() || usedInLastChunk_ + bytes > kChunkBytes) {
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(kChunkBytes));
        usedInLastChunk_ = 0;
    }
    char* at = chunks_.back().get() + usedInLastChunk_;
    usedInLastChunk_ += bytes;
    return at;
}

bool ScoreTable::appendFields(const std::array<std::string_view, ScoreFieldCount>& fields) {
    if (full()) return false;
    Slot s;
    std::size_t bytes = 0;
    for (std::size_t f = 0; f < ScoreFieldCount; ++f) {
        const std::size_t length = std::min(fields[f].size(), ScoreFieldWidths[f]);
        s.lengths[f] = static_cast<std::uint8_t>(length);
        bytes += length;
    }
    char* to = allocate(bytes);
    s.offset = static_cast<std::uint32_t>((chunks_.size() - 1) * kChunkBytes +
                                          static_cast<std::size_t>(to - chunks_.back().get()));
    for (std::size_t f = 0; f < ScoreFieldCount; ++f) {
        copyField(to, fields[f].data(), s.lengths[f]);
        to += s.lengths[f];
    }
    slots_.push_back(s);
    return true;
}

bool ScoreTable::append(const orvScoreSet& record) {
    std::array<std::string_view, ScoreFieldCount> fields;
    for (std::size_t f = 0; f < ScoreFieldCount; ++f)
        fields[f] = ui::gbkPrefix(fieldOf(record, static_cast<ScoreField>(f)), ScoreFieldWidths[f]);
    return appendFields(fields);
}

void ScoreTable::reserve(int entries) {
    slots_.reserve(static_cast<std::size_t>(std::clamp(entries, 0, Capacity)));
}

void ScoreTable::clear(int position) {
    slot(position);  // range check
    slots_[static_cast<std::size_t>(position - 1)].lengths = {};
}

void ScoreTable::clearAll() {
    slots_.clear();
    chunks_.clear();
    usedInLastChunk_ = 0;
}

}  // namespace quorvin::records
