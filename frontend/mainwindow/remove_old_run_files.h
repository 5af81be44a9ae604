#pragma once
// PROCESS step 3: the previous run's work files in binDir and workDir, by
// their fixed names. The run's input file and the keyboard file are never
// deleted, wherever they lie, nor are the user's earlier result files.

#include <string>

#include "core/settings.h"
#include "mainwindow/run_file_names.h"
#include "messages/messages.h"

namespace kartovex {

struct OldFilesRequest {
  RunFileNames names;
  bool inputFromKeyboard = false;
  std::string keyboardFile;  // the keyboard window's file (kept in every run)
  bool dataRequested = false;
  bool accuracyRequested = false;
};

// The keyboard window's default file: workDir + "INPUT.TXT".
std::string KeyboardFile(const FrontEndSettings& settings);

// False after the "File Error" box (and the removal's own box).
bool RemoveOldRunFiles(const FrontEndSettings& settings, MessageService& messages,
                       const OldFilesRequest& request);

}  // namespace kartovex
