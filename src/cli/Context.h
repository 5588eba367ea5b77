#pragma once

#include "cli/Answers.h"
#include "cli/CommandLine.h"
#include "cli/Interrupts.h"
#include "cli/TerminalPrompt.h"

namespace vexo::cli {

// What every command works with: its command line and the ways to the user.
struct Context {
    explicit Context(CommandLine commandLine)
        : line(std::move(commandLine)), answers(line.passwordStdin), prompt(answers) {}

    CommandLine line;
    Answers answers;
    TerminalPrompt prompt;
    Interrupts interrupts;
};

} // namespace vexo::cli
