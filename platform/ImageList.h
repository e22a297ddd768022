#pragma once

#include <QImage>
#include <QObject>

#include <vector>

namespace platform {

// Pictures of one size, drawn by index; the controls that show them listen to Change.
class TImageList : public QObject {
    Q_OBJECT

public:
    TImageList(int width = 16, int height = 16, QObject* parent = nullptr);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }
    // The picture is scaled to the list's size when it differs; returns its index.
    int Add(const QImage& image);
    // Nothing for an index outside the list.
    void Replace(int index, const QImage& image);
    void Clear();
    // A null image for an index outside the list.
    QImage Image(int index) const;

signals:
    void Change();

private:
    QImage Fitted(const QImage& image) const;

    int width_;
    int height_;
    std::vector<QImage> images_;
};

} // namespace platform
