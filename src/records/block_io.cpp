#include "records/block_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quorvin::records {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{4} << 20;

std::string_view withoutCarriageReturn(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

Descriptor::~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
}

bool Descriptor::close() {
    return ::close(std::exchange(fd_, -1)) == 0;
}

LineReader::LineReader(int fd) : fd_(fd), buffer_(kBlockBytes + ReadAhead) {}

bool LineReader::next(std::string_view& line, std::string_view& withEnd) {
    for (;;) {
        const char* from = buffer_.data() + begin_;
        if (const void* lf = std::memchr(from, '\n', end_ - begin_)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - from);
            withEnd = {from, length + 1};
            begin_ += length + 1;
            line = withoutCarriageReturn({from, length});
            return true;
        }
        if (atEnd_ || failed_) {
            if (begin_ == end_) return false;
            withEnd = {from, end_ - begin_};
            begin_ = end_;
            line = withoutCarriageReturn(withEnd);
            return true;
        }
        fill();
    }
}

void LineReader::appendRest(std::string& to) {
    to.append(buffer_.data() + begin_, end_ - begin_);
    begin_ = end_ = 0;
    while (!atEnd_ && !failed_) {
        fill();
        to.append(buffer_.data(), end_);
        end_ = 0;
    }
}

// Reads more bytes after those not yet handed out, growing the buffer for a long line.
void LineReader::fill() {
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity()) buffer_.resize(capacity() * 2 + ReadAhead);
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, capacity() - end_);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed_ = true;
        if (n == 0) atEnd_ = true;
        if (n > 0) end_ += static_cast<std::size_t>(n);
        return;
    }
}

BlockWriter::BlockWriter(int fd) : fd_(fd) {
    buffer_.reserve(kBlockBytes);
}

void BlockWriter::append(std::string_view bytes) {
    if (buffer_.size() + bytes.size() > kBlockBytes) flush();
    if (bytes.size() > kBlockBytes) {
        writeOut(bytes);
        return;
    }
    buffer_.insert(buffer_.end(), bytes.begin(), bytes.end());
}

void BlockWriter::appendSpaces(std::size_t count) {
    if (buffer_.size() + count > kBlockBytes) flush();
    buffer_.resize(buffer_.size() + count, ' ');
}

bool BlockWriter::flush() {
    writeOut({buffer_.data(), buffer_.size()});
    buffer_.clear();
    return !failed_;
}

void BlockWriter::writeOut(std::string_view bytes) {
    while (!failed_ && !bytes.empty()) {
        const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

}  // namespace quorvin::records
