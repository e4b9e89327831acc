#pragma once

#include <functional>
#include <string>

namespace lanvane::cli {

// Opens a URL in the user's browser; false when that could not be started.
using UrlOpener = std::function<bool(const std::string& url)>;

// The desktop's URL opener, started without a shell.
bool OpenInBrowser(const std::string& url);

}  // namespace lanvane::cli
