#pragma once

// The conversion lives with the other Windows support; the CLI's Windows files still name it here.
#include "platform/win32/WideText.h"
