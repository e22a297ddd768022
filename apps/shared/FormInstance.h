#pragma once

#include <memory>
#include <utility>

// One of the program's windows, owned and set as the form instance the units address for as
// long as it lives. Held as members in the program's order, the windows go in reverse order.
template <class T> class FormInstance {
public:
    template <class... Args>
    explicit FormInstance(T*& instance, Args&&... args)
        : instance_(instance), form_(std::make_unique<T>(std::forward<Args>(args)...)) {
        instance_ = form_.get();
    }
    ~FormInstance() {
        instance_ = nullptr;
        form_.reset();
    }
    FormInstance(const FormInstance&) = delete;
    FormInstance& operator=(const FormInstance&) = delete;

    T* get() const { return form_.get(); }
    T* operator->() const { return form_.get(); }
    T& operator*() const { return *form_; }

private:
    T*& instance_;
    std::unique_ptr<T> form_;
};
