#pragma once

namespace core {

// A rule's field that has no default: it converts to and from its value, but cannot be made
// empty, so a rule that leaves it out does not compile instead of taking zero or false.
template <class T> class Required {
public:
    constexpr Required(T value) : value_(value) {}
    constexpr operator T() const { return value_; }

private:
    T value_;
};

} // namespace core
