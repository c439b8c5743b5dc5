// The few unexpected failures that services raise as errors. No command catches them: they leave the run
// and reach the application's error handler, which shows their message.
#pragma once

#include <stdexcept>
#include <string>

class EVeskError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An input/output failure with the operating system's error code: "I/O error 21" for a drive that is
// not ready, for example.
class EInOutError : public EVeskError {
public:
    explicit EInOutError(long errorCode)
        : EVeskError("I/O error " + std::to_string(errorCode)), ErrorCode(errorCode)
    {
    }
    EInOutError(long errorCode, const std::string& message) : EVeskError(message), ErrorCode(errorCode) {}

    long ErrorCode;
};
