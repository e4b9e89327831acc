#pragma once

#include <string>

namespace lanvane {

// Shows a text a command-line user asked for (--help, --version) or must read (a wrong
// option): on the console the program was started from, else in a message box, since a
// program with windows has no console of its own.
void ShowText(const std::string& text, bool isError);

}  // namespace lanvane
