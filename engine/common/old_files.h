#pragma once
// Replacing the large files an earlier run left. Truncating or removing a
// file of hundreds of megabytes makes the file system give back every block
// (and wait for the disk to discard them) before the call returns; the run
// would wait for that before writing its first line. Instead the old file
// loses its name at once and is let go by a background thread, where the
// blocks are given back while the run goes on.
#include <string>

namespace orvandel {

// Makes room for a new file at `path`: an old regular file there that this
// process could have overwritten (writable, its own, one name only) loses
// its name and is given back in the background. Returns the old file's
// permission bits, for the new file to keep; -1 when nothing was set aside,
// and the caller replaces the file as usual (a file it may not write still
// refuses the new one).
int setAsideOldFile(const std::string& path);

// Waits until every file set aside so far has been given back.
void waitForOldFiles();

}  // namespace orvandel
