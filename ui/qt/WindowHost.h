#pragma once

namespace lanvane {

// What the windows and their bindings need from the backend that made them.
class WindowHost {
public:
    // Told after every user action, timer tick or socket event delivered to the models, so
    // that the modal loops of dialogs that ended meanwhile can return.
    virtual void AfterInput() = 0;
    // Set while a window copies its models onto its widgets. What Qt does meanwhile, such as
    // moving the focus off a field that is hidden, is not the user's doing.
    virtual bool& Mirroring() = 0;

protected:
    ~WindowHost() = default;
};

}  // namespace lanvane
