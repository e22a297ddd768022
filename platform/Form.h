#pragma once

#include <QWidget>

#include <string>

class QMenuBar;
class QEventLoop;
class QPainter;

namespace platform {

// The base of every window: a top-level widget whose controls are children of clientArea(),
// placed at the layouts' client coordinates. Left, Top, Width and Height are the whole window's,
// frame included, as on the original platform; FrameMargins is the one place that says how
// wide the frame around the client area is.
class TForm : public QWidget {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    QWidget* clientArea() const { return client_; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // The whole window, frame included, as the layouts give it.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetBounds(int left, int top, int width, int height);

    // A menu bar above the client area, outside the client coordinates as on the original
    // platform.
    void SetMainMenu(QMenuBar* menu);
    // A frame the form paints itself (caption and border) inside a frameless window.
    void SetFrameMargins(const QMargins& margins);
    // Everything between the window's outer edge and its client area: the window system's
    // frame or the painted one, and the menu bar.
    QMargins FrameMargins() const;

    // Shows the form modally through the dialog seam; FormShow runs first.
    void ShowModal();
    // The real modal loop (the Qt seam calls it): returns when the form is closed.
    void ExecModal();
    // A value other than 0 closes a form shown modally; ShowModal starts it at 0.
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int value);
    // Runs FormClose; the seam calls it when a scripted showing ends.
    void NotifyClosed();

    bool IsMaximized() const { return isMaximized(); }
    // Esc in every window: maximised <-> normal.
    void ToggleMaximized();
    // Top of the screen, centred, screen height - 20: the place of every result window.
    void PlaceAsResultWindow(int width);

    // What a scripted modal showing records of the form besides its caption (the text of a
    // text window, say).
    virtual std::string ModalContent() const { return {}; }

    static int ScreenWidth();
    static int ScreenHeight();

protected:
    // Keys reach the form before its controls; return true when the key is used up.
    virtual bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    virtual void FormShow() {}
    virtual void FormResize() {}
    virtual void FormClose() {}
    virtual void FormActivate() {}
    // Paints the client area under its controls.
    virtual void FormPaint(QPainter&) {}
    friend class ClientArea;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayoutFrame();
    // The frame that the window system draws outside the widget.
    QMargins SystemFrame() const;
    // The part of the frame inside the widget: the painted frame and the menu bar.
    QMargins InnerFrame() const;
    void FollowSystemFrame();

    QWidget* client_;
    QMenuBar* menu_ = nullptr;
    QMargins margins_;
    // The whole window's place as last asked for or seen, and the system frame it was placed
    // with: when the window system frames the window differently, it is placed again.
    QRect bounds_;
    QMargins placedWith_;
    bool placing_ = false;
    QEventLoop* loop_ = nullptr;
    int modalResult_ = 0;
};

} // namespace platform
