#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Reading and writing whole files in large blocks through POSIX descriptors, with every
// failure reported rather than thrown.
namespace quorvin::records {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Closes now; a failed close can be the first report of a failed write.
    bool close();

  private:
    int fd_;
};

// Hands out the lines of a file one by one. Each line handed out is followed in memory by
// at least ReadAhead readable bytes (of no particular content), so a parser may load whole
// vector words past its end.
class LineReader {
  public:
    static constexpr std::size_t ReadAhead = 512;

    explicit LineReader(int fd);

    // The next line without its line end (LF or CR LF), and the same with it. False at the
    // end of the file or when reading failed (see failed()).
    bool next(std::string_view& line, std::string_view& withEnd);
    // Everything not yet handed out, to the end of the file.
    void appendRest(std::string& to);
    bool failed() const { return failed_; }

  private:
    std::size_t capacity() const { return buffer_.size() - ReadAhead; }
    void fill();

    int fd_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool failed_ = false;
};

// Collects output and writes it in large blocks; after the first failed write it writes
// nothing more.
class BlockWriter {
  public:
    explicit BlockWriter(int fd);

    void append(std::string_view bytes);
    void appendSpaces(std::size_t count);
    // Writes what is collected; false once any write failed.
    bool flush();

  private:
    void writeOut(std::string_view bytes);

    int fd_;
    std::vector<char> buffer_;
    bool failed_ = false;
};

}  // namespace quorvin::records
