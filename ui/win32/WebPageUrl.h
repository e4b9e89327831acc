#pragma once

#include <string_view>

namespace lanvane {

// Whether a URL is a printer's web page as the windows make it, "http://a.b.c.d/" with a
// dotted-decimal IPv4 address: the only kind handed to the shell. Anything else could name
// a program or a file to the shell, and the address comes from the network.
bool IsWebPageUrl(std::string_view url);

}  // namespace lanvane
