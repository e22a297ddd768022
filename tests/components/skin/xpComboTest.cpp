#include "components/skin/xpCombo.h"
#include "tests/support/SkinTestPixels.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace skin_test;
using platform::TRect;

namespace {

const TColor kBg = Rgb(10, 20, 30);

std::unique_ptr<TxpComboBox> Box(const QStringList& items, TComboBoxStyle style, int w = 80) {
    auto box = std::make_unique<TxpComboBox>();
    box->resize(w, 22);
    box->SetStyle(style);
    box->addItems(items);
    box->SetItemIndex(-1);
    box->SetColor(kBg);
    return box;
}

QStringList Numbers() {
    QStringList items;
    for (int n = 1; n <= 45; ++n) items << QString::number(n);
    return items;
}

const QStringList kWords{"apple", "Apricot", "banana", "Мир"};

QImage Solid(TColor c, int w = 16, int h = 16) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(platform::ToQColor(c));
    return image;
}

// Letters as the keyboard types them, Cyrillic ones too.
void Type(QWidget* edit, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(edit, &press);
    }
}

} // namespace

TEST(xpComboSearch, TypedTextCompletesToTheFirstItemWithThatStart) {
    struct Row {
        QStringList items;
        const char* typed;
        QString text, selected;
        int index;
    };
    const Row rows[] = {
        {Numbers(), "4", "4", "", 3},
        {Numbers(), "46", "46", "", 3},
        {Numbers(), "40", "40", "", 39},
        {kWords, "a", "apple", "pple", 0},
        {kWords, "apr", "Apricot", "icot", 1},
        {kWords, "B", "banana", "anana", 2},
        {kWords, "x", "x", "", -1},
        {kWords, "м", "м", "", -1},
    };
    for (const Row& r : rows) {
        auto box = Box(r.items, csDropDown);
        box->XPStyle.AutoSearch = true;
        Type(box->lineEdit(), QString::fromUtf8(r.typed));
        EXPECT_EQ(box->lineEdit()->text(), r.text) << r.typed;
        EXPECT_EQ(box->lineEdit()->selectedText(), r.selected) << r.typed;
        EXPECT_EQ(box->ItemIndex(), r.index) << r.typed;
    }
    auto plain = Box(kWords, csDropDown);
    Type(plain->lineEdit(), "a");
    EXPECT_EQ(plain->lineEdit()->text(), "a");
}

TEST(xpComboSearch, AfterADeletionTheNextLetterSearchesAgain) {
    auto box = Box(kWords, csDropDown);
    box->XPStyle.AutoSearch = true;
    Type(box->lineEdit(), "a");
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(box->lineEdit()->text(), "a");
    Type(box->lineEdit(), "pr");
    EXPECT_EQ(box->lineEdit()->text(), "Apricot");
    EXPECT_EQ(box->lineEdit()->selectedText(), "icot");
}

TEST(xpComboSearch, PrefixAndExactLookUps) {
    auto box = Box(QStringList{"apple", "Apricot", "b", "Мир", "APPLE"}, csDropDown);
    const std::pair<QString, int> prefix[] = {{"", -1}, {"AP", 0}, {"apri", 1}, {"м", -1},
                                              {"М", 3}, {"b", 2},  {"bb", -1}};
    for (const auto& [s, i] : prefix) EXPECT_EQ(box->FindItemByPrefix(s), i) << s.toStdString();
    // Exact look-ups start after item 0 and wrap round to it.
    const std::pair<QString, int> exact[] = {{"Apple", 4}, {"B", 2}, {"apricot", 1}, {"ap", -1}};
    for (const auto& [s, i] : exact) EXPECT_EQ(box->FindItemExact(s), i) << s.toStdString();
    EXPECT_EQ(Box({"x", "y"}, csDropDown)->FindItemExact("X"), 0);
}

// The focus going to the box's own list is no leaving.
TEST(xpComboSearch, LeavingSelectsTheItemTheTextNamesInAnyCase) {
    for (const auto reason : {Qt::TabFocusReason, Qt::PopupFocusReason})
        for (const bool autoSearch : {true, false}) {
            auto box = Box(kWords, csDropDown);
            box->XPStyle.AutoSearch = autoSearch;
            box->lineEdit()->setText("APRICOT");
            QFocusEvent out(QEvent::FocusOut, reason);
            QApplication::sendEvent(box.get(), &out);
            const bool leaves = autoSearch && reason != Qt::PopupFocusReason;
            EXPECT_EQ(box->ItemIndex(), leaves ? 1 : -1) << reason;
            EXPECT_EQ(box->lineEdit()->text(), leaves ? "Apricot" : "APRICOT") << reason;
        }
}

TEST(xpComboHit, PressesCountOnTheButtonOfAnEditableBoxAndAnywhereOnAListBox) {
    struct Row {
        TComboBoxStyle style;
        int x, y;
        THitCode hit;
    };
    // An 80-pixel box with the 20-pixel button at x 58..78.
    const Row rows[] = {
        {csDropDown, 60, 10, HTCLIENT},          {csDropDown, 78, 20, HTCLIENT},
        {csDropDown, 57, 10, HTNOWHERE},         {csDropDown, 10, 10, HTNOWHERE},
        {csSimple, 60, 10, HTNOWHERE},           {csSimple, 10, 10, HTNOWHERE},
        {csDropDownList, 10, 10, HTCLIENT},      {csOwnerDrawFixed, 0, 0, HTCLIENT},
        {csOwnerDrawVariable, 60, 10, HTCLIENT},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Box(kWords, r.style)->HitTest(r.x, r.y), r.hit) << r.style << " " << r.x;

    auto box = Box(kWords, csDropDown);
    QTest::mousePress(box.get(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(box->Dropped());
    QTest::mousePress(box.get(), Qt::LeftButton, {}, QPoint(65, 10));
    EXPECT_TRUE(box->Dropped());
    box->hidePopup();
    // The simple box has no button: its edit part reaches the frame.
    EXPECT_EQ(At(Render(*Box(kWords, csSimple)), 75, 10), kBg);
}

TEST(xpComboImages, TheStripShowsTheItemsImageOrTheDefaultsInGreyWhenDisabled) {
    platform::TImageList images;
    const TColor orange = Rgb(200, 100, 30), green = Rgb(0, 150, 0);
    images.Add(Solid(orange));
    images.Add(Solid(green));
    struct Row {
        int index, defaultIndex, defaultListIndex;
        bool enabled;
        TColor shown;
    };
    const Row rows[] = {
        {0, -1, -1, true, orange},
        {1, 0, 0, true, green},
        {-1, -1, 0, true, kBg},
        {-1, 1, -1, true, green},
        {2, 1, -1, true, kBg},
        {2, -1, 0, true, orange},
        {0, -1, -1, false, Rgb(110, 110, 110)},
    };
    for (const Row& r : rows) {
        auto box = Box({"one", "two", "three"}, csOwnerDrawFixed);
        box->XPStyle.SetImages(&images);
        box->XPStyle.DefaultImageIndex = r.defaultIndex;
        box->XPStyle.DefaultListImageIndex = r.defaultListIndex;
        box->SetItemIndex(r.index);
        box->setEnabled(r.enabled);
        // The image at (2, 3) of the 16-pixel list in a 22-pixel box; the strip ends at x 20.
        ExpectPixels(Render(*box), {{10, 10, r.shown}, {1, 1, kBg}, {20, 20, kBg}}, "strip");
        EXPECT_EQ(box->ClientRect().Left, 21);
    }
    auto box = Box({"one"}, csOwnerDrawFixed);
    box->XPStyle.DefaultImageIndex = -7;
    EXPECT_EQ(box->XPStyle.DefaultImageIndex, -1);
    box->XPStyle.SetImages(&images);
    EXPECT_EQ(box->ListItemHeight(), 16);
    box->XPStyle.AutoHeight = true;
    platform::TImageList tall(20, 20);
    box->XPStyle.SetImages(&tall);
    EXPECT_EQ(box->ListItemHeight(), 22);
    EXPECT_EQ(box->view()->visualRect(box->model()->index(0, 0)).height(), 22);
}

TEST(xpComboList, BackgroundOfTheOpenListByStyle) {
    const TColor red = Rgb(255, 0, 0), green = Rgb(0, 255, 0), white = core::clWhite;
    QImage columns = Solid(red, 8, 8); // left half red, right half green
    for (int y = 0; y < 8; ++y)
        for (int x = 4; x < 8; ++x) columns.setPixelColor(x, y, platform::ToQColor(green));
    QImage pair = Solid(red, 2, 1);
    pair.setPixelColor(1, 0, platform::ToQColor(green));
    struct Row {
        TComboBGStyle style;
        QImage picture;
        Pixel a, b;
    };
    // A 40 x 100 list; the item at (0, 32) of it, its text at the left.
    const Row rows[] = {
        {cbgsNone, {}, {20, 8, kBg}, {39, 8, kBg}},
        {cbgsGradient, {}, {20, 8, Band(white, 0xF0E2C1, 20, 40)}, {39, 8, 0xF0E2C1}},
        {cbgsTiledImage, columns, {13, 3, green}, {25, 3, red}},
        {cbgsTiledImage, {}, {20, 8, kBg}, {39, 8, kBg}},
        {cbgsStretchedImage, pair, {15, 3, red}, {30, 3, green}},
        {cbgsStretchedImage, {}, {20, 8, kBg}, {39, 8, kBg}},
    };
    for (const Row& r : rows) {
        auto box = Box({"1"}, csOwnerDrawFixed);
        box->XPStyle.BGStyle = r.style;
        box->XPStyle.BGImage = r.picture;
        box->BuildListBackground(40, 100);
        QImage item(40, 16, QImage::Format_RGB32);
        platform::TCanvas c(&item);
        box->DrawListItem(c, 0, false, QPoint(0, 32));
        ExpectPixels(item, {r.a, r.b}, "list");
    }
}

TEST(xpComboText, TooLongTextEndsInDotsInsideItsRectangle) {
    auto box = Box({QString(20, u'W')}, csOwnerDrawFixed);
    QImage part = Solid(core::clWhite, 60, 20);
    platform::TCanvas c(&part);
    box->DrawEditItem(c, {0, 0, 30, 20}, false, 0);
    // The text rectangle ends at x 26; the dots end just before it.
    bool inkNearEnd = false;
    for (int y = 0; y < 20; ++y) {
        for (int x = 26; x < 60; ++x) ASSERT_NE(At(part, x, y), core::clBlack) << x << "," << y;
        for (int x = 20; x < 26; ++x) inkNearEnd |= At(part, x, y) == core::clBlack;
    }
    EXPECT_TRUE(inkNearEnd);
    const std::string cut = c.EndEllipsis(std::string(20, 'W'), 21);
    EXPECT_TRUE(cut.ends_with("...")) << cut;
    EXPECT_LE(c.TextWidth(cut), 21);
    EXPECT_EQ(c.EndEllipsis("WW", 200), "WW");
}

// Whatever the platform box does with its edit, the edit stays where it was shown, right of the
// image strip.
TEST(xpComboEdit, KeepsItsPlaceAfterEveryChange) {
    platform::TImageList images;
    images.Add(Solid(Rgb(200, 100, 30)));
    auto box = Box(kWords, csDropDown, 140);
    box->XPStyle.SetImages(&images);
    box->show();
    const QRect place = box->lineEdit()->geometry();
    EXPECT_EQ(place.topLeft(), QPoint(24, 4));
    auto send = [&](QEvent&& e) { QApplication::sendEvent(box.get(), &e); };
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"item", [&] { box->SetItemIndex(0); }},
        {"text", [&] { box->setEditText("x"); }},
        {"typing", [&] { Type(box->lineEdit(), "b"); }},
        {"list", [&] { box->showPopup(), box->hidePopup(); }},
        {"focus", [&] { send(QFocusEvent(QEvent::FocusIn)), send(QFocusEvent(QEvent::FocusOut)); }},
        {"font", [&] { box->setFont(QFont(QStringLiteral("Arial"), 14)); }},
        {"style", [&] { send(QEvent(QEvent::StyleChange)); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        EXPECT_EQ(box->lineEdit()->geometry(), place) << name;
    }
}

// A focused box's edit part lies on the gradient from SelStartColor to SelEndColor while the
// list is closed; while it is open the part shows, with HotTrack only, the entry under the mouse.
TEST(xpComboList, TheEditPartWithTheListClosedAndOpen) {
    auto editPart = [](TxpComboBox& b) {
        const TRect r = b.ClientRect();
        return Render(b).copy(r.Left + 2, r.Top + 2, r.Width() - 4, r.Height() - 4);
    };
    auto closedAt = [&](int index) {
        auto ref = Box(kWords, csOwnerDrawFixed);
        ref->SetItemIndex(index);
        return editPart(*ref);
    };
    const TColor from = Rgb(255, 0, 0), to = Rgb(0, 0, 255);
    for (const bool hotTrack : {true, false}) {
        auto box = Box(kWords, csOwnerDrawFixed);
        box->XPStyle.SelStartColor = from, box->XPStyle.SelEndColor = to;
        box->XPStyle.HotTrack = hotTrack;
        QFocusEvent in(QEvent::FocusIn);
        QApplication::sendEvent(box.get(), &in);
        const TRect client = box->ClientRect(), text{3, 3, client.Width() - 2, client.Height() - 2};
        platform::TBitmap ref(client.Width(), client.Height());
        DrawGradient(ref.Canvas(), text, from, to, fdVerticalFromCenter, text.Width() / 2);
        const QImage closed = Render(*box);
        for (int y : {3, 6, 10, text.Bottom - 1})
            EXPECT_EQ(At(closed, client.Left + 5, client.Top + y), ref.Canvas().Pixel(5, y)) << y;
        box->SetItemIndex(0);
        box->show();
        box->showPopup();
        QApplication::sendEvent(box.get(), &in);
        box->view()->setCurrentIndex(box->model()->index(2, 0));
        EXPECT_EQ(editPart(*box), closedAt(hotTrack ? 2 : 0)) << hotTrack;
    }
}

// The XP drop button: a rounded outline one pixel in, a gradient face, a navy arrow.
TEST(xpComboButton, XPStyleButton) {
    auto box = Box(kWords, csOwnerDrawFixed);
    box->XPStyle.ButtonStyle = cbsXP;
    const TColor outline = DarkenColor(core::clBtnFace, 20), navy = core::clNavy;
    const Pixel xp[] = {
        {58, 1, kBg},   {68, 2, outline}, {58, 11, outline}, {61, 5, Sys(core::clBtnFace)},
        {65, 11, navy}, {69, 11, navy},   {67, 13, navy},
    };
    ExpectPixels(Render(*box), xp, "xp button");
}

// A selected entry of the open list lies on the gradient from SelStartColor to SelEndColor in
// SelGradientFillDir, all but its bottom row; an entry not selected has none.
TEST(xpComboList, SelectedEntryOnTheSelectionGradient) {
    const TColor from = Rgb(255, 0, 0), to = Rgb(0, 0, 255);
    auto box = Box(kWords, csOwnerDrawFixed);
    box->XPStyle.SelStartColor = from, box->XPStyle.SelEndColor = to;
    for (const TFillDirection dir : {fdVerticalFromCenter, fdLeftToRight}) {
        box->XPStyle.SelGradientFillDir = dir;
        platform::TBitmap item(60, 16), ref(60, 16);
        box->DrawListItem(item.Canvas(), 1, true);
        ref.Canvas().Brush = {kBg, platform::BrushStyle::Solid, {}};
        ref.Canvas().FillRect(0, 0, 60, 16);
        DrawGradient(ref.Canvas(), {0, 0, 60, 15}, from, to, dir, 30);
        for (const auto& [x, y] : {std::pair{1, 0}, {1, 7}, {1, 14}, {58, 0}, {58, 8}, {1, 15}})
            EXPECT_EQ(At(item.Canvas(), x, y), At(ref.Canvas(), x, y)) << dir << " " << x << y;
        box->DrawListItem(item.Canvas(), 1, false);
        EXPECT_EQ(At(item.Canvas(), 1, 7), kBg);
    }
}

// The simple style shows its list always, under the edit and inside the box, with a line in the
// frame's colour between them and no drop button; a press on an entry makes it the item as a
// choice in a dropped list does and shows it selected; the list follows the item.
TEST(xpComboSimple, TheListStandsUnderTheEditAndAPressSelects) {
    QWidget window;
    auto box = Box(kWords, csSimple, 100);
    box->setParent(&window);
    box->resize(100, 120);
    int changes = 0, activated = -1;
    box->OnChange = [&] { ++changes; };
    QObject::connect(box.get(), &QComboBox::activated, [&](int i) { activated = i; });
    window.show();
    QListView* list = box->SimpleList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(std::tuple(list->isVisible(), list->window(), list->geometry()),
              std::tuple(true, &window, QRect(1, 22, 98, 97)));
    EXPECT_TRUE(box->SimpleEditRect().ToQRect().contains(box->lineEdit()->geometry()));
    ExpectPixels(Render(*box),
                 {{50, 21, Sys(core::clBtnFace)}, {90, 10, kBg}, {0, 60, Sys(core::clBtnFace)}},
                 "simple");
    box->showPopup();
    EXPECT_FALSE(box->Dropped() || box->view()->window()->isVisible());

    const QRect row = list->visualRect(box->model()->index(2, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(
        std::tuple(box->ItemIndex(), box->Text(), box->lineEdit()->text(), changes, activated),
        std::tuple(2, std::string("banana"), QString("banana"), 1, 2));
    platform::TBitmap ref(row.width(), row.height());
    box->DrawListItem(ref.Canvas(), 2, true, row.topLeft());
    EXPECT_EQ(list->viewport()->grab(row).toImage().convertToFormat(QImage::Format_RGB32),
              ref.Image().convertToFormat(QImage::Format_RGB32));

    box->SetItemIndex(0);
    EXPECT_EQ(list->currentIndex().row(), 0);
    box->SetStyle(csDropDown);
    EXPECT_FALSE(list->isVisible());
}
