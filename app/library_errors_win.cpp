// How the standard library's containers and strings report misuse in the executable. The library's own
// versions of these functions throw std::logic_error and its kin, which keep their message in a string
// type of the library's own; that string's code, and a second copy of std::string's that comes with it,
// would be some 45 KB of the executable. These throw the program's Error with the library's message
// instead: nothing in the program catches those kinds by name, and std::exception sees the same what().
#include <cstdarg>
#include <cstddef>
#include <exception>
#include <new>
#include <string>
#include <typeinfo>

#include "base/error.h"

namespace {

// The library's messages use "%s", "%zu" and "%%" only.
std::string FormatMessage(const char* format, std::va_list arguments) {
    std::string text;
    for (const char* c = format; *c != '\0'; ++c) {
        if (c[0] == '%' && c[1] == 's') {
            text += va_arg(arguments, const char*);
            ++c;
        } else if (c[0] == '%' && c[1] == 'z' && c[2] == 'u') {
            text += std::to_string(va_arg(arguments, std::size_t));
            c += 2;
        } else if (c[0] == '%' && c[1] == '%') {
            text += '%';
            ++c;
        } else {
            text += *c;
        }
    }
    return text;
}

}  // namespace

namespace std {

void __throw_bad_alloc() {
    throw bad_alloc();
}

void __throw_bad_array_new_length() {
    throw bad_array_new_length();
}

void __throw_bad_cast() {
    throw bad_cast();
}

void __throw_bad_typeid() {
    throw bad_typeid();
}

void __throw_bad_exception() {
    throw bad_exception();
}

void __throw_logic_error(const char* message) {
    throw tintrel::Error(message);
}

void __throw_domain_error(const char* message) {
    throw tintrel::Error(message);
}

void __throw_invalid_argument(const char* message) {
    throw tintrel::Error(message);
}

void __throw_length_error(const char* message) {
    throw tintrel::Error(message);
}

void __throw_out_of_range(const char* message) {
    throw tintrel::Error(message);
}

void __throw_out_of_range_fmt(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::string message = FormatMessage(format, arguments);
    va_end(arguments);
    throw tintrel::Error(std::move(message));
}

void __throw_runtime_error(const char* message) {
    throw tintrel::Error(message);
}

void __throw_range_error(const char* message) {
    throw tintrel::Error(message);
}

void __throw_overflow_error(const char* message) {
    throw tintrel::Error(message);
}

void __throw_underflow_error(const char* message) {
    throw tintrel::Error(message);
}

}  // namespace std
