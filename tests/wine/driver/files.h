// Whole-file reading and writing, byte for byte.
#pragma once

#include <string>

bool FileExists(const std::string& path);
bool ReadWholeFile(const std::string& path, std::string* bytes);
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// Removes a folder with everything in it; true if it is gone afterwards.
bool RemoveFolderTree(const std::string& folder);

// A host path such as /work/x as Wine's Z: drive shows it, Z:\work\x.
// A path that already has a drive is returned with "/" turned into "\".
std::string WindowsPathOf(const std::string& path);
