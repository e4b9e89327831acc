#pragma once

namespace lanvane {

// Leaves out the toolkit's warnings that say nothing wrong about this program: a platform
// without a window manager (offscreen, minimal) cannot raise windows or pass size hints,
// and without XDG_RUNTIME_DIR the toolkit uses a private folder of its own. Every other
// message goes where it went before.
void InstallToolkitMessageFilter();

}  // namespace lanvane
