#pragma once

// The shell completion of the command-line tool, made from its own tables of commands and
// options so that it follows them.

#include <span>
#include <string>
#include <vector>

#include "tools/Tool.h"

namespace tarin::tool {

// An option as the completion sees it: the commands it applies to and what its value is.
struct CompletionOption {
    const char* name;
    unsigned commands;
    const char* value;  // nullptr (takes none), "text", "file", "radio-type" or "path"
    bool repeatable;
};

// The bash completion script (tarin-translator --completion bash).
std::string bashCompletion(std::span<const Command> commands,
                           const std::vector<CompletionOption>& options);

}  // namespace tarin::tool
