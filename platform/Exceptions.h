// The program's errors. Every error carries its message text; handlers that
// expect one catch it by class, the rest reach the application's error report.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const noexcept { return message_; }

private:
    std::string message_;
};

#define DAWNBELL_EXCEPTION(Name)                                                                                   \
    class Name : public Exception { /* NOLINT(bugprone-macro-parentheses): a class name cannot be parenthesised */ \
    public:                                                                                                        \
        using Exception::Exception;                                                                                \
    }

DAWNBELL_EXCEPTION(EConvertError);
DAWNBELL_EXCEPTION(EMCIDeviceError);
DAWNBELL_EXCEPTION(EOutOfResources);
DAWNBELL_EXCEPTION(EInvalidOperation);
DAWNBELL_EXCEPTION(EInvalidGridOperation);
// Dropped silently by the error report.
DAWNBELL_EXCEPTION(EAbort);
// A window description that names an unknown class, property, value or handler.
DAWNBELL_EXCEPTION(EReadError);

#undef DAWNBELL_EXCEPTION
