#include "common/text_files.h"

#include <limits.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/old_files.h"
#include "common/program_stop.h"

namespace orvandel {

BufferedText::BufferedText() : buffer_(new char[kBufferSize]), stream_(this) {
    setp(buffer_.get(), buffer_.get() + kBufferSize);
}

void BufferedText::flush() {
    const auto size = static_cast<std::size_t>(pptr() - pbase());
    if (size == 0) return;
    if (!failed_ && !drain(pbase(), size)) failed_ = true;
    setp(buffer_.get(), buffer_.get() + kBufferSize);
}

void BufferedText::writeLarge(std::string_view s) {
    flush();
    if (s.size() < kBufferSize) {
        std::memcpy(pptr(), s.data(), s.size());
        pbump(static_cast<int>(s.size()));
    } else if (!failed_ && !drain(s.data(), s.size())) {
        failed_ = true;
    }
}

void BufferedText::blocks(std::span<const std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += part.size();
    if (total < kDirectSize) {
        for (std::string_view part : parts) write(part);
        return;
    }
    flush();
    if (!failed_ && !drainPieces(parts)) failed_ = true;
}

bool BufferedText::drainPieces(std::span<const std::string_view> parts) {
    for (std::string_view part : parts) {
        if (!part.empty() && !drain(part.data(), part.size())) return false;
    }
    return true;
}

int BufferedText::overflow(int c) {
    flush();
    if (c != traits_type::eof()) put(traits_type::to_char_type(c));
    return failed_ ? traits_type::eof() : traits_type::not_eof(c);
}

int BufferedText::sync() {
    flush();
    return failed_ ? -1 : 0;
}

std::streamsize BufferedText::xsputn(const char* s, std::streamsize n) {
    write(std::string_view(s, static_cast<std::size_t>(n)));
    return n;
}

OutputFile::~OutputFile() {
    if (file_ == nullptr) return;
    flush();
    std::fclose(file_);
}

void OutputFile::create(const std::string& path) {
    const int oldMode = setAsideOldFile(path);
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) failRun("CANNOT CREATE FILE '" + path + "'");
    if (oldMode >= 0) ::fchmod(::fileno(file_), static_cast<mode_t>(oldMode));
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the buffer here is the only one
    path_ = path;
}

void OutputFile::append(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) file_ = std::fopen(path.c_str(), "ab");
    if (file_ == nullptr) failRun("CANNOT OPEN FILE '" + path + "' FOR APPENDING");
    std::setvbuf(file_, nullptr, _IONBF, 0);
    path_ = path;
}

void OutputFile::close() {
    if (file_ == nullptr) return;
    flush();
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (failed_ || !closed) failRun("CANNOT WRITE FILE '" + path_ + "' (DISK FULL OR FILE TOO LARGE?)");
}

void OutputFile::abandon() {
    if (file_ == nullptr) return;
    setp(pbase(), epptr());
    std::fclose(file_);
    file_ = nullptr;
}

bool OutputFile::drain(const char* data, std::size_t size) {
    return file_ != nullptr && std::fwrite(data, 1, size, file_) == size;
}

// The pieces go out in as few system calls as the system takes; the file
// is unbuffered, so nothing of stdio's stands between them.
bool OutputFile::drainPieces(std::span<const std::string_view> parts) {
    if (file_ == nullptr) return false;
    const int fd = ::fileno(file_);
    std::vector<iovec> pieces;
    pieces.reserve(parts.size());
    for (std::string_view part : parts) {
        if (!part.empty()) pieces.push_back({const_cast<char*>(part.data()), part.size()});
    }
    std::size_t next = 0;
    while (next < pieces.size()) {
        const int count = static_cast<int>(std::min<std::size_t>(pieces.size() - next, IOV_MAX));
        const ssize_t written = ::writev(fd, pieces.data() + next, count);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        // A short write: skip what went out and carry on with the rest.
        auto left = static_cast<std::size_t>(written);
        while (next < pieces.size() && left >= pieces[next].iov_len) left -= pieces[next++].iov_len;
        if (left > 0) {
            pieces[next].iov_base = static_cast<char*>(pieces[next].iov_base) + left;
            pieces[next].iov_len -= left;
        }
        if (written == 0) return false;
    }
    return true;
}

ScreenText::~ScreenText() { flush(); }

bool ScreenText::drain(const char* data, std::size_t size) {
    screen_.write(data, static_cast<std::streamsize>(size));
    return true;  // the console's state is its own stream's
}

InputFile::~InputFile() {
    if (file_ != nullptr) std::fclose(file_);
}

bool InputFile::open(const std::string& path) {
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) return false;
    std::setvbuf(file_, nullptr, _IONBF, 0);
    capacity_ = BufferedText::kBufferSize;
    buffer_.reset(new char[capacity_]);
    return true;
}

// Moves the unread rest to the front and reads more behind it; a line
// longer than the buffer doubles it. False when nothing more came.
bool InputFile::fill() {
    if (atEnd_ || file_ == nullptr) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {
        std::unique_ptr<char[]> larger(new char[capacity_ * 2]);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    const std::size_t n = std::fread(buffer_.get() + end_, 1, capacity_ - end_, file_);
    if (n == 0) atEnd_ = true;
    end_ += n;
    return n > 0;
}

bool InputFile::next(std::string_view& line) {
    std::size_t searched = 0;
    for (;;) {
        const char* start = buffer_.get() + begin_;
        const std::size_t available = end_ - begin_;
        if (const void* found = std::memchr(start + searched, '\n', available - searched)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(found) - start);
            line = std::string_view(start, length);
            begin_ += length + 1;
            break;
        }
        searched = available;
        if (!fill()) {
            if (end_ == begin_) return false;
            line = std::string_view(buffer_.get() + begin_, end_ - begin_);
            begin_ = end_;
            break;
        }
    }
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return true;
}

}  // namespace orvandel
