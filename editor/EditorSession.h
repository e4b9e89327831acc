#pragma once

#include <chrono>

#include "editor/EditorContext.h"
#include "editor/WorkingConfig.h"
#include "protocol/BssTable.h"
#include "protocol/ExchangeBuffers.h"

namespace lanvane {

// What the configuration window shares with its pages: the context it was given, the
// working values the pages keep current, and the buffers and table of its exchanges.
struct EditorSession {
    explicit EditorSession(EditorContext& editorContext)
        : context(editorContext),
          pause(editorContext.pause ? editorContext.pause : Sleeper([](std::chrono::milliseconds) {})) {}

    EditorContext& context;
    Sleeper pause;  // the context's, or none at all when it gave none
    WorkingConfig working;
    ExchangeBuffers buffers;
    BssTable bssTable{};
    bool connected = false;
};

}  // namespace lanvane
