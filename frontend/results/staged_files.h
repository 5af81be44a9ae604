#pragma once
// Result files of a run (.TXT, .REP, .ACC) are written under a temporary
// name beside their target and renamed over it only when the whole run
// succeeded, so that a failed run leaves an earlier result of the same name
// as it was and never leaves a partial file.

#include <fstream>
#include <string>
#include <vector>

#include "input/run_state.h"
#include "messages/messages.h"

namespace kartovex {

// A result file that could not be written: its target and the reason.
struct ResultWriteFailure {
  std::string path;
  std::string reason;
};

// The path to write target to: a temporary path beside it (recorded in
// run.staged) when run.stageResults is on, otherwise target itself.
std::string PathToWrite(RunState& run, const std::string& target);
// The path to read target back from while the run goes on.
std::string PathToRead(const RunState& run, const std::string& target);

// Opens target for writing (through PathToWrite); throws ResultWriteFailure.
void OpenResult(std::ofstream& out, RunState& run, const std::string& target);
// Flushes and closes a result; throws ResultWriteFailure when the data did
// not all reach the file (disk full, file-size limit).
void CloseResult(std::ofstream& out, const std::string& target);

// Renames every staged file over its target, in the order written; false
// after a message naming the file that could not be put in place.
bool CommitStagedFiles(RunState& run, MessageService& messages);
// Removes the temporary file of target (a failed writer), or of every
// staged file (a failed run).
void DiscardStagedFile(RunState& run, const std::string& target);
void DiscardStagedFiles(RunState& run);

// "File Error": the file could not be written, with the reason.
void ShowWriteFailure(MessageService& messages, const std::string& path, const std::string& reason);

// Before a run: the folder of each non-empty path exists and takes new
// files. False after a message naming the path.
bool CheckResultFolders(const std::vector<std::string>& paths, MessageService& messages);

}  // namespace kartovex
