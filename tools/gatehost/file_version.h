// A file's version resource, as Explorer's file properties show it: read by `gatehost info`, so a bug
// report can name the version of the plug-in file it was given.
#pragma once

#include <string>

struct FileVersion {
  std::string fileVersion; // the fixed part's four numbers, "1.2.3.0"
  std::string productName;
  std::string productVersion;
  std::string description;
};

// All fields empty when the file has no version resource.
FileVersion readFileVersion(const std::string& path);
