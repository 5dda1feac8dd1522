// Exception classes shared by every part of the installer and its tools.
// Failures are exceptions carrying the user-visible message; nothing here
// formats for a particular window or console.
#pragma once

#include <exception>
#include <string>

namespace bvt {

// Base of every exception the program raises itself.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

class EStreamError : public Exception {
public:
    using Exception::Exception;
};

// A stream could not deliver the bytes that were asked for.
class EReadError : public EStreamError {
public:
    EReadError() : EStreamError("Stream read error") {}
    using EStreamError::EStreamError;
};

// A stream could not take the bytes that were given to it.
class EWriteError : public EStreamError {
public:
    EWriteError() : EStreamError("Stream write error") {}
    using EStreamError::EStreamError;
};

// A file could not be opened ("Cannot open file "x". reason").
class EFOpenError : public EStreamError {
public:
    EFOpenError(const std::string& path, const std::string& reason);
};

// A file could not be created ("Cannot create file "x". reason").
class EFCreateError : public EStreamError {
public:
    EFCreateError(const std::string& path, const std::string& reason);
};

// Input/output failure of a run-time helper (ForceDirectories and the like).
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

// Text of the last operating-system error of the calling thread
// (errno on POSIX, GetLastError on Windows), for messages.
std::string LastSystemErrorText();

}  // namespace bvt
