#pragma once

#include "core/Map2.h"
#include "platform/Colors.h"
#include "platform/Form.h"

#include <QAbstractScrollArea>

#include <memory>

class EditionHost;
class QAction;
class QMenu;
class TxpWindow;

// The number-by-draw table: the header row and the number column stay in place while the
// draws scroll; every cell is painted from its own text and the two mark tables.
class TMap2Grid : public QAbstractScrollArea {
    Q_OBJECT

public:
    TMap2Grid(const core::Map2Grid& grid, core::Map2Marks& marks, QWidget* parent = nullptr);

    static constexpr int ColWidth = 17;
    static constexpr int RowHeight = 17;
    static constexpr int HeaderHeight = 40;
    static constexpr int GridLine = 1;

    core::TColor FixedColor = core::clBtnFace;

    // The cell under a point of the viewport; -1s when there is none.
    QPoint MouseToCell(QPoint at) const;
    // Paints the viewport as it shows now into image (viewport-sized).
    void Render(QImage& image) const;
    std::function<void(int col, int row)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateScrollBars();
    QRect CellRect(int col, int row) const;

    const core::Map2Grid& grid_;
    core::Map2Marks& marks_;
};

// Map 2: rows are the numbers, columns the draws loaded at start (newest first); clicks on
// the headers mark rows and columns yellow until Clear.
class TForm_map_2 : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_map_2(const EditionHost& host, QWidget* parent = nullptr);
    ~TForm_map_2() override;

    TMap2Grid* StringGrid1;
    QMenu* PopupMenu1;
    QAction* Clear1;
    TxpWindow* xpWindow1;

    const core::Map2Grid& Grid() const { return *grid_; }
    core::Map2Marks& Marks() { return *marks_; }

    void StringGrid1MouseDown(int col, int row);
    void Clear1Click();

protected:
    void FormResize() override;

private:
    std::unique_ptr<core::Map2Grid> grid_;
    std::unique_ptr<core::Map2Marks> marks_;
};

extern TForm_map_2* Form_map_2;
