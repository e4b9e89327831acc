#include "tools/scenario/ScreenExpectations.h"

#include <string>
#include <vector>

#include "tools/scenario/ControlExpectations.h"

namespace lanvane::scenario {
namespace {

std::string IconName(MessageBoxIcon icon) {
    switch (icon) {
    case MessageBoxIcon::Exclamation:
        return "exclamation";
    case MessageBoxIcon::Information:
        return "information";
    case MessageBoxIcon::Error:
        return "error";
    case MessageBoxIcon::None:
        break;
    }
    return "none";
}

std::string Describe(const MessageBoxRequest& box) {
    return "message " + Quoted(box.text) + " caption " + Quoted(box.caption) + " icon " + IconName(box.icon);
}

std::string WindowName(const Dialog* window) {
    return window == nullptr ? "no window" : "window " + std::to_string(window->Template().id);
}

class ScreenChecker {
public:
    explicit ScreenChecker(const ScenarioScreen& screen) : screen_(screen) {}

    std::optional<Mismatch> operator()(const command::ExpectMessage& expected) const {
        std::string wanted = "message " + Quoted(expected.text);
        if (expected.caption) {
            wanted += " caption " + Quoted(*expected.caption);
        }
        if (expected.icon) {
            wanted += " icon " + IconName(*expected.icon);
        }
        const MessageBoxRequest* box = screen_.OpenMessageBox();
        if (box == nullptr) {
            return Mismatch{wanted, "no message box is open (" + WindowName(screen_.Window()) + " is on top)"};
        }
        const bool same = box->text == expected.text && (!expected.caption || box->caption == *expected.caption) &&
                          (!expected.icon || box->icon == *expected.icon);
        return same ? std::nullopt : std::optional<Mismatch>(Mismatch{wanted, Describe(*box)});
    }

    std::optional<Mismatch> operator()(const command::ExpectNoMessage&) const {
        const MessageBoxRequest* box = screen_.OpenMessageBox();
        return box == nullptr ? std::nullopt : std::optional<Mismatch>(Mismatch{"no message box", Describe(*box)});
    }

    std::optional<Mismatch> operator()(const command::ExpectDialog& expected) const {
        const Dialog* window = screen_.Window();
        if (window != nullptr && window->Template().id == expected.dialogId) {
            return std::nullopt;
        }
        return Mismatch{"window " + std::to_string(expected.dialogId) + " on top", WindowName(window) + " on top"};
    }

    std::optional<Mismatch> operator()(const command::ExpectTitle& expected) const {
        const Dialog* window = screen_.Window();
        if (window == nullptr) {
            return Mismatch{"title " + Quoted(expected.title), "no window is open"};
        }
        if (window->GetWindowText() == expected.title) {
            return std::nullopt;
        }
        return Mismatch{"title " + Quoted(expected.title), "title " + Quoted(window->GetWindowText())};
    }

    std::optional<Mismatch> operator()(const command::ExpectClosed&) const {
        if (screen_.ProgramEnded()) {
            return std::nullopt;
        }
        return Mismatch{"the main menu closed", WindowName(screen_.Window()) + " is open"};
    }

    std::optional<Mismatch> operator()(const command::ExpectUrl& expected) const {
        const std::vector<std::string> urls = screen_.OpenedUrls();
        const std::string found = urls.empty() ? "no web page opened" : "web page " + Quoted(urls.back());
        const std::string wanted = "web page " + Quoted(expected.url);
        return found == wanted ? std::nullopt : std::optional<Mismatch>(Mismatch{wanted, found});
    }

    std::optional<Mismatch> operator()(const command::ExpectControl& expected) const {
        Dialog* window = screen_.Window();
        if (window == nullptr) {
            return Mismatch{"control " + expected.control.Describe(), "no window is open"};
        }
        return CheckControl(*window, expected);
    }

    template <class Other>
    std::optional<Mismatch> operator()(const Other&) const {
        return Mismatch{"an expectation about the screen", "another kind of command"};
    }

private:
    const ScenarioScreen& screen_;
};

}  // namespace

bool IsScreenExpectation(const CommandBody& body) {
    return std::holds_alternative<command::ExpectMessage>(body) ||
           std::holds_alternative<command::ExpectNoMessage>(body) ||
           std::holds_alternative<command::ExpectDialog>(body) || std::holds_alternative<command::ExpectTitle>(body) ||
           std::holds_alternative<command::ExpectClosed>(body) || std::holds_alternative<command::ExpectUrl>(body) ||
           std::holds_alternative<command::ExpectControl>(body);
}

std::optional<Mismatch> CheckScreen(const CommandBody& body, const ScenarioScreen& screen) {
    return std::visit(ScreenChecker(screen), body);
}

}  // namespace lanvane::scenario
