#include "orvandel/file_lookup.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "orvandel/program_stop.h"

namespace orvandel {

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
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

void openExisting(std::ifstream& file, const std::string& path, const std::string& what) {
    const std::string found = findIgnoringCase(path);
    std::error_code ec;
    if (!found.empty() && std::filesystem::is_regular_file(found, ec)) {
        file.open(found, std::ios::binary);
    }
    if (!file.is_open()) failRun("CANNOT OPEN " + what + " '" + path + "'");
}

void createFile(std::ofstream& file, const std::string& path) {
    file.open(path, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) failRun("CANNOT CREATE FILE '" + path + "'");
}

void appendExisting(std::ofstream& file, const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) file.open(path, std::ios::binary | std::ios::app);
    if (!file.is_open()) failRun("CANNOT OPEN FILE '" + path + "' FOR APPENDING");
}

}  // namespace orvandel
