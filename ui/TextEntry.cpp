#include "ui/TextEntry.h"

namespace lanvane {

int TextEntry::UserType(std::string_view text) {
    int taken = 0;
    for (char character : text) {
        if (UserTypeCharacter(character)) {
            ++taken;
        }
    }
    return taken;
}

}  // namespace lanvane
