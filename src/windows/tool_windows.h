#pragma once

#include "core/panels.h"
#include "forms/registry.h"
#include "windows/tool_window.h"

namespace vorlinde {

// The tool window's single instance in the registry, made on first use.
ToolWindow& toolWindowOf(FormRegistry& registry, WindowId id);

}  // namespace vorlinde
