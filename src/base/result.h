#pragma once
// A value or an error message: what a reader or writer returns instead of throwing.

#include <string>
#include <utility>
#include <variant>

namespace tavorin {

struct Error {
    std::u16string message;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const std::u16string& error() const { return std::get<1>(state_).message; }

private:
    std::variant<T, Error> state_;
};

// For operations that return nothing but may fail.
struct Done {};
using Status = Result<Done>;
inline Status success() { return Done{}; }

}  // namespace tavorin
