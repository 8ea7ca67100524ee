// Success-or-error values returned by the platform layer and by core.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace qv {

/// What kind of failure a status reports, so that callers decide by kind and
/// never by reading the message.
enum class ErrorKind {
    None,         // no failure
    NotFound,     // the file, folder or drive does not exist
    Denied,       // access denied, read-only, or in use
    DiscFull,     // no space or quota left
    CrossDevice,  // a rename across drives
    NotAFolder,   // a path component is a file, or a folder was expected
    Exists,       // the target already exists
    Other,        // anything else: bad data, input/output errors, bad names
};

/// The outcome of an operation that yields nothing: ok, or a message that
/// names the file and the reason ("C:\QUORVANE\Machine.lst: no such file")
/// with the kind of failure.
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status Ok() { return Status(); }
    static Status Error(std::string message, ErrorKind kind = ErrorKind::Other) {
        return Status(std::move(message), kind == ErrorKind::None ? ErrorKind::Other : kind);
    }

    bool ok() const { return kind_ == ErrorKind::None; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }
    ErrorKind kind() const { return kind_; }

private:
    Status(std::string message, ErrorKind kind) : kind_(kind), message_(std::move(message)) {}
    ErrorKind kind_ = ErrorKind::None;
    std::string message_;
};

/// A value or the message of why there is none.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    Result(Status error) : error_(std::move(error)) {}

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    const T& operator*() const { return *value_; }
    T& operator*() { return *value_; }
    /// The error; only meaningful when !ok().
    const Status& status() const { return error_; }
    const std::string& message() const { return error_.message(); }
    ErrorKind kind() const { return error_.kind(); }
    T value_or(T fallback) const { return value_ ? *value_ : std::move(fallback); }

private:
    std::optional<T> value_;
    Status error_;
};

}  // namespace qv
