#pragma once
// Parses a resource script (the grammar is in this folder's README.md) into a ResourceSet whose
// texts are Windows-1252. Errors name the file and line: "Colorohm.rc:12: unterminated string".

#include "platform/resources/Resources.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Loads the image a BITMAP or ICON names, by its path relative to the script; false when the file
// cannot be read.
using ImageReader = std::function<bool(const std::string& relativePath, std::string& bytes)>;

bool ParseResourceScript(std::string_view source, std::string_view fileName, const ImageReader& readImage,
                         ResourceSet& out, std::string& error);

// Reads the script at path and the images beside it. filesRead, when given, receives the script
// and every image read, so a build can re-run when one of them changes.
bool ParseResourceScriptFile(const std::string& path, ResourceSet& out, std::string& error,
                             std::vector<std::string>* filesRead = nullptr);

} // namespace platform
