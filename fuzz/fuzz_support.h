#pragma once
// Shared by the fuzz targets: one scratch folder per process, removed at
// exit, and a file in it that each input overwrites (readers that take a
// path read the fuzz bytes from there).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

namespace fuzz {

class ScratchDir {
public:
    ScratchDir() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/kartovex-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The process's scratch folder, made on first use.
inline const std::filesystem::path& scratch() {
    static ScratchDir dir;
    return dir.path();
}

// Writes the bytes to `name` in the scratch folder (replacing what the last
// input left) and returns its path.
inline std::string writeScratch(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::string path = (scratch() / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) std::abort();
    return path;
}

inline std::string asString(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A stream that swallows what the programs print on their console.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

inline std::ostream& nullStream() {
    static NullBuffer buffer;
    static std::ostream stream(&buffer);
    return stream;
}

}  // namespace fuzz
