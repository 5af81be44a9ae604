#pragma once
// The run's text files, read and written through one large buffer each:
// a run of a million stations moves most of a gigabyte through them, and a
// stream operation or a system call per record would cost more than the
// transformation itself.
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>
#include <ostream>
#include <span>
#include <streambuf>
#include <string>
#include <string_view>

namespace orvandel {

// Text collected in a large buffer and handed on when the buffer is full
// or on flush(). Also a stream buffer, so that stream() takes formatted
// output (page headers) in the same order as the direct writes.
class BufferedText : public std::streambuf {
public:
    static constexpr std::size_t kBufferSize = std::size_t{1} << 20;
    static constexpr std::size_t kDirectSize = std::size_t{1} << 15;

    BufferedText();
    BufferedText(const BufferedText&) = delete;
    BufferedText& operator=(const BufferedText&) = delete;

    void write(std::string_view s) {
        if (s.empty()) return;  // an empty text may have no storage at all
        if (s.size() <= static_cast<std::size_t>(epptr() - pptr())) {
            std::memcpy(pptr(), s.data(), s.size());
            pbump(static_cast<int>(s.size()));
        } else {
            writeLarge(s);
        }
    }
    void put(char c) {
        if (pptr() == epptr()) flush();
        *pptr() = c;
        pbump(1);
    }
    // Blocks of whole lines, in order, handed on together (one system call
    // for a batch) when together they are large enough.
    void blocks(std::span<const std::string_view> parts);
    // The text and a line end.
    void line(std::string_view s) {
        write(s);
        put('\n');
    }
    // Hands on everything buffered.
    void flush();
    std::ostream& stream() { return stream_; }

protected:
    // Takes the buffered text; false when it could not be written.
    virtual bool drain(const char* data, std::size_t size) = 0;
    // Takes several pieces of text in order.
    virtual bool drainPieces(std::span<const std::string_view> parts);

    int overflow(int c) override;
    int sync() override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;

    bool failed_ = false;

private:
    void writeLarge(std::string_view s);

    std::unique_ptr<char[]> buffer_;
    std::ostream stream_;
};

// The text `member` of each of the first `used` pieces of a batch, in
// order, handed to `file` together.
template <class Piece, class Text, std::size_t N>
void writePieces(BufferedText& file, const Piece (&pieces)[N], std::size_t used, Text Piece::*member) {
    std::string_view parts[N];
    for (std::size_t p = 0; p < used && p < N; ++p) parts[p] = pieces[p].*member;
    file.blocks(std::span<const std::string_view>(parts, used < N ? used : N));
}

// A file written by the run. A failed write is remembered and reported by
// close(), which ends the run; the destructor (a run ending early) writes
// out what was buffered so that it stays on disk, as it was written.
class OutputFile : public BufferedText {
public:
    OutputFile() = default;
    ~OutputFile() override;

    // Creates or replaces the file; failure ends the run.
    void create(const std::string& path);
    // Opens an existing file for appending; a missing file ends the run.
    void append(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    // Writes out the buffer and closes the file; a write that failed on the
    // way (disk full, file-size limit) ends the run naming the file, so that
    // a short file never passes for a complete one.
    void close();
    // Closes the file without writing out the buffer (it is being removed).
    void abandon();

protected:
    bool drain(const char* data, std::size_t size) override;
    bool drainPieces(std::span<const std::string_view> parts) override;

private:
    std::FILE* file_ = nullptr;
    std::string path_;
};

// Text for the console, handed to its stream in large pieces; whatever is
// left is handed on by the destructor.
class ScreenText : public BufferedText {
public:
    explicit ScreenText(std::ostream& screen) : screen_(screen) {}
    ~ScreenText() override;

protected:
    bool drain(const char* data, std::size_t size) override;

private:
    std::ostream& screen_;
};

// A text file read line by line; each line is a view into the read buffer,
// valid until the next call. A carriage return before the line end is not
// part of the line (files written on the platform the data comes from).
class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False when the file cannot be opened.
    bool open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    // False at the end of the file (a last line without a line end counts).
    bool next(std::string_view& line);

private:
    bool fill();

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

}  // namespace orvandel
