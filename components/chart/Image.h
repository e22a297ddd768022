#pragma once

#include "platform/Canvas.h"

#include <QWidget>

// A control that shows a picture; the owner draws on the picture's canvas and the control
// only shows it.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    platform::TBitmap& Picture() { return picture_; }
    const platform::TBitmap& Picture() const { return picture_; }
    platform::TCanvas& Canvas() { return picture_.Canvas(); }

    // With AutoSize the control takes the size of its picture.
    bool AutoSize = false;
    void SetPictureSize(int width, int height);
    // The picture was drawn on: show it again.
    void Invalidate() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    platform::TBitmap picture_;
};
