#include "common/file_lookup.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "common/old_files.h"
#include "common/program_stop.h"

namespace orvandel {

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

std::string findIgnoringCase(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec)) return path;
    const fs::path p(path);
    const std::string name = p.filename().string();
    const fs::path dir = p.has_parent_path() ? p.parent_path() : fs::path(".");
    fs::directory_iterator it(dir, ec);
    if (ec) return path;
    for (const auto& entry : it) {
        const std::string candidate = entry.path().filename().string();
        if (sameIgnoringCase(candidate, name)) {
            return p.has_parent_path() ? (p.parent_path() / candidate).string() : candidate;
        }
    }
    return path;
}

void openExisting(InputFile& file, const std::string& path, const std::string& what) {
    const std::string found = findIgnoringCase(path);
    std::error_code ec;
    if (!found.empty() && std::filesystem::is_regular_file(found, ec)) file.open(found);
    if (!file.isOpen()) failRun("CANNOT OPEN " + what + " '" + path + "'");
}

void openExisting(std::ifstream& file, const std::string& path, const std::string& what) {
    const std::string found = findIgnoringCase(path);
    std::error_code ec;
    if (!found.empty() && std::filesystem::is_regular_file(found, ec)) file.open(found, std::ios::binary);
    if (!file.is_open()) failRun("CANNOT OPEN " + what + " '" + path + "'");
}

void removeStale(const std::string& path) {
    if (setAsideOldFile(path) >= 0) return;
    std::error_code ec;
    std::filesystem::remove(path, ec);
    if (ec) failRun("CANNOT REMOVE THE OLD FILE '" + path + "'");
}

ResultFile::ResultFile(const std::string& path) : path_(path), partPath_(path + ".PART") { out_.create(partPath_); }

ResultFile::~ResultFile() {
    if (committed_) return;
    out_.abandon();
    std::error_code ec;
    std::filesystem::remove(partPath_, ec);
}

void ResultFile::finish() { out_.close(); }

void ResultFile::commit() {
    std::error_code ec;
    std::filesystem::rename(partPath_, path_, ec);
    if (ec) failRun("CANNOT RENAME '" + partPath_ + "' TO '" + path_ + "'");
    committed_ = true;
}

}  // namespace orvandel
