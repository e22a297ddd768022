#pragma once

#include "core/DrawMap.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

#include <memory>

class EditionHost;
class TxpWindow;
class QMenu;
class QAction;

// The draw-map window: one row of squares per draw, newest at the top, drawn off screen
// and copied to the window.
class TForm_Display : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_Display(const EditionHost& host, QWidget* parent = nullptr);
    ~TForm_Display() override;

    static constexpr int MinZoom = 2;
    static constexpr int MaxZoom = 200;

    std::unique_ptr<platform::TBitmap> MapBitmap;
    int Zoom = 10;
    core::DrawMapTable DrawMap;

    QMenu* PopupMenu1;
    QAction* CopytoClipboard1;
    QAction* ShowNet1;
    QAction* Zoomin1;
    QAction* Zoomout1;
    TxpWindow* xpWindow1;

    // Draws the rows of DrawMap into MapBitmap with squares of cell pixels.
    void RenderMap(bool net, int cell);

    void CopytoClipboard1Click();
    void ShowNet1Click();
    void Zoomin1Click();
    void Zoomout1Click();
    void FormDblClick();

    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;

protected:
    void FormShow() override;
    void FormResize() override;
    void FormPaint(QPainter& painter) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's part of the bitmap cleared, the map drawn again in the current look.
    void Rerender();
    void RenderNetChanged();

    const EditionHost& host_;
};

extern TForm_Display* Form_Display;
