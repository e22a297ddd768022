#pragma once

// A published value of a skin part: reads like a field, and an assignment goes through the
// part's setter, which clamps, stores and repaints.
template <class Owner, class T> class TProperty {
public:
    using Setter = void (Owner::*)(T);
    TProperty(Owner* owner, Setter setter, T initial)
        : owner_(owner), setter_(setter), value_(initial) {}
    TProperty(const TProperty&) = delete;
    TProperty& operator=(const TProperty&) = delete;

    operator T() const { return value_; }
    T operator()() const { return value_; }
    TProperty& operator=(T value) {
        (owner_->*setter_)(value);
        return *this;
    }

private:
    friend Owner;
    // For the setter only: stores without side effects.
    void Store(T value) { value_ = value; }

    Owner* owner_;
    Setter setter_;
    T value_;
};
