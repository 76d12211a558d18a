#include "CommandLine.h"
#include "Commands.h"
#include "ExitStatus.h"
#include "UsageError.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    int status = ExitOk;
    try {
        CommandLine line = ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
        status = RunCommand(line, std::cout, std::cerr);
    } catch (const UsageError& error) {
        std::cerr << "snipora-cut: " << error.what() << "\n\n" << UsageText;
        return ExitUsage;
    } catch (const std::exception& error) {
        std::cerr << "snipora-cut: " << error.what() << "\n";
        return ExitIoError;
    } catch (...) {
        std::cerr << "snipora-cut: unexpected error\n";
        return ExitIoError;
    }
    if (!std::cout.flush()) {
        std::cerr << "snipora-cut: cannot write to standard output\n";
        return ExitIoError;
    }
    return status;
}
