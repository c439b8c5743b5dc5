// The few unexpected failures that services raise as errors. No command catches them: they leave the run
// and reach the application's error report, which shows their message.
#pragma once

#include <stdexcept>
#include <string>

class EVeskError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
