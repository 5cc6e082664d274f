#include "toolkit/toolkit_hooks.h"

ToolkitHooks toolkitHooks;
