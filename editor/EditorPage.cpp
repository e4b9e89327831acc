#include "editor/EditorPage.h"

#include "ui/ProgramMessages.h"
#include "resources/StringIds.h"

namespace lanvane {

EditorPage::EditorPage(EditorSession& session, Dialog& window, int templateId)
    : Dialog(session.context.ui, DialogTemplateIn(session.context.resources, templateId), &window), session_(session) {}

void EditorPage::ShowMessage(int messageId) {
    lanvane::ShowMessage(TopLevel(), Strings(), messageId);
}

void EditorPage::ShowMessageText(std::string_view text) {
    lanvane::ShowMessageText(TopLevel(), Strings(), text);
}

void EditorPage::ComplainAboutNumber(int controlId) {
    ShowMessage(sid::kEnterWholeNumber);
    SetFocus(controlId);
}

}  // namespace lanvane
