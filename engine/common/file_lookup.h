#pragma once
// Files named in the dialogue and the coefficient files are found ignoring
// case within their directory, as on the platform the data comes from.
#include <fstream>
#include <string>

#include "common/text_files.h"

namespace orvandel {

// The existing path whose last component matches `path`'s ignoring case;
// `path` itself when it exists as written or nothing matches.
std::string findIgnoringCase(const std::string& path);

// Opens an existing file for reading (found ignoring case); a missing or
// unreadable file ends the run naming `what` and the path.
void openExisting(InputFile& file, const std::string& path, const std::string& what);
// The same for binary files read through a stream (coefficient files).
void openExisting(std::ifstream& file, const std::string& path, const std::string& what);

// Removes a file an earlier run left, if there is one; a file that is there
// and cannot be removed ends the run.
void removeStale(const std::string& path);

// A result file that appears under its name only when it is complete: it
// is written under a temporary name beside it, and renamed by commit().
// Without commit() (a failure on the way) the temporary file is removed.
class ResultFile {
public:
    explicit ResultFile(const std::string& path);
    ~ResultFile();
    ResultFile(const ResultFile&) = delete;
    ResultFile& operator=(const ResultFile&) = delete;

    OutputFile& out() { return out_; }
    // Closes the temporary file; a failed write ends the run.
    void finish();
    // Gives the finished file its name, replacing an earlier one.
    void commit();

private:
    std::string path_;
    std::string partPath_;
    OutputFile out_;
    bool committed_ = false;
};

}  // namespace orvandel
