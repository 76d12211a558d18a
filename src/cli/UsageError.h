#pragma once

#include <stdexcept>

// A command line that cannot be carried out as written; the text says what is wrong with it.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
