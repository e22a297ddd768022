#pragma once

#include <QWidget>

#include <string>

class QMenuBar;
class QEventLoop;
class QPainter;

namespace platform {

// The base of every window: a top-level widget whose controls are children of clientArea(),
// placed at the layouts' client coordinates. The frame around the client area (the native one,
// or a painted caption and border) is set in one place, SetFrameMargins.
class TForm : public QWidget {
    Q_OBJECT

public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    QWidget* clientArea() const { return client_; }

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // Outer geometry, as the layouts give it.
    int Left() const { return x(); }
    int Top() const { return y(); }
    int Width() const { return width(); }
    int Height() const { return height(); }
    void SetBounds(int left, int top, int width, int height);

    // A menu bar above the client area, outside the client coordinates as on the original
    // platform.
    void SetMainMenu(QMenuBar* menu);
    void SetFrameMargins(const QMargins& margins);
    QMargins FrameMargins() const;

    // Shows the form modally through the dialog seam; FormShow runs first.
    void ShowModal();
    // The real modal loop (the Qt seam calls it): returns when the form is closed.
    void ExecModal();
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
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void LayoutFrame();

    QWidget* client_;
    QMenuBar* menu_ = nullptr;
    QMargins margins_;
    QEventLoop* loop_ = nullptr;
};

} // namespace platform
