#pragma once

#include <chrono>

#include "editor/EditorContext.h"
#include "protocol/BssTable.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PageValues.h"

namespace lanvane {

// What the configuration window shares with its pages: the context it was given, the
// pages' values (each page keeps its own part current; a page reads another's part, as the
// Authentication page reads the network mode), and the buffers and table of its exchanges.
struct EditorSession {
    explicit EditorSession(EditorContext& editorContext)
        : context(editorContext),
          pause(editorContext.pause ? editorContext.pause : Sleeper([](std::chrono::milliseconds) {})) {}

    EditorContext& context;
    Sleeper pause;  // the context's, or none at all when it gave none
    ConfigPageValues values;
    ExchangeBuffers buffers;
    BssTable bssTable{};
    bool connected = false;
};

}  // namespace lanvane
