#pragma once

#include <exception>
#include <string>
#include <utility>

namespace tintrel {

// What the program throws for a failure: a code page 932 message for the user, or an English one for a
// fault. The standard's exception classes keep their message in a string type of the library's own,
// whose code alone would be a tenth of the executable.
class Error : public std::exception {
public:
    explicit Error(std::string message) : message_(std::move(message)) {}

    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

}  // namespace tintrel
