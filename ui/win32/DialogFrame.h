#pragma once

#include "ui/win32/WindowsHeader.h"

#include <vector>

#include "resources/DialogTemplate.h"

namespace lanvane {

// An in-memory dialog template with no controls: the frame, size, title and font of one of
// our templates. The system's dialog manager makes the window from it and so works out the
// dialog units from the template's font exactly as for a dialog resource; the controls are
// then made one by one at their rectangles converted with MapDialogRect, bound to their
// models as they are made.
class DialogFrame {
public:
    explicit DialogFrame(const DialogTemplate& source);

    const DLGTEMPLATE* Template() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }
    // The window styles the frame gets: a page is a control parent laid over its parent.
    static DWORD StylesFor(const DialogTemplate& source);

private:
    void Add(WORD word) { words_.push_back(word); }
    void AddDword(DWORD value);
    void AddText(const std::wstring& text);

    std::vector<WORD> words_;
};

}  // namespace lanvane
