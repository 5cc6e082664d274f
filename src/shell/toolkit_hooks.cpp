#include "shell/toolkit_hooks.h"

ToolkitHooks toolkitHooks;
