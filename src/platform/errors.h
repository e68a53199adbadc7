#pragma once
// The platform's general error class. Every error the game raises on purpose
// derives from it, so loaders can wrap exactly these and let others pass, and
// the error dialog can show the class name the way players have always seen it.
#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    virtual const char* className() const noexcept { return "Exception"; }
};

// Declares an error class derived from `Base` that reports its own name.
#define BRINDLECOG_ERROR_CLASS(Name, Base)                                   \
    class Name : public Base {                                               \
    public:                                                                  \
        using Base::Base;                                                    \
        const char* className() const noexcept override { return #Name; }   \
    }

// Raised by file access: opening, reading, writing.
BRINDLECOG_ERROR_CLASS(EFileError, Exception);

// Class name + ": " + message, the text of the error dialog.
std::string describeError(const std::exception& error);

}  // namespace platform
