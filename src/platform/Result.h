// Success-or-error values returned by the platform layer and by core.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace qv {

/// The outcome of an operation that yields nothing: ok, or a message that
/// names the file and the reason ("C:\QUORVANE\Machine.lst: no such file").
class [[nodiscard]] Status {
public:
    Status() = default;
    static Status Ok() { return Status(); }
    static Status Error(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

private:
    explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}
    bool failed_ = false;
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
    T value_or(T fallback) const { return value_ ? *value_ : std::move(fallback); }

private:
    std::optional<T> value_;
    Status error_;
};

}  // namespace qv
