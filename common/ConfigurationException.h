#pragma once

#include <exception>
#include <string>

/// An error of Vastor's command line or of its switch validation.
class ConfigurationException : public std::exception {
public:
    explicit ConfigurationException(const std::string& text)
        : message_("Vastor Configuration Error :" + text) {}

    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};
