#pragma once

// The base of a control's look switch: descendants override SetActive to rebuild themselves.
class TxpControlStyle {
public:
    TxpControlStyle() = default;
    TxpControlStyle(const TxpControlStyle&) = delete;
    TxpControlStyle& operator=(const TxpControlStyle&) = delete;
    virtual ~TxpControlStyle() = default;

    bool Active() const { return active_; }
    virtual void SetActive(bool value) {
        if (active_ != value) active_ = value;
    }

private:
    bool active_ = true;
};
