#pragma once

#include "CommandLine.h"

#include <ostream>

// Carries out a parsed command line and returns its exit status. Engine errors are reported
// on err with the file they concern (ExitIoError); UsageError escapes to the caller.
int RunCommand(const CommandLine& line, std::ostream& out, std::ostream& err);
