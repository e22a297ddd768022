#include "apps/shared/Unit_memo.h"
#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/xpButton.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/MenuItems.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using MainWindow = VovuvTest;

const char* kThreeDraws = "1 2 3 4 5 6\r\n4 5 6 7 8 9\r\n40 1 33 2 45 12\r\n";

} // namespace

TEST_F(MainWindow, ListsTheDrawsOfTheProgramFoldersFile) {
    Start(kThreeDraws);
    EXPECT_EQ((*form).Caption(), "Vovuv 6x45");
    EXPECT_EQ((*form).DrawCount, 3);
    auto& grid = *(*form).StringGrid1;
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.ColCount(), 22);
    EXPECT_EQ(grid.Cells(0, 0), "№");
    EXPECT_EQ(grid.Cells(0, 1), "3");
    EXPECT_EQ(grid.Cells(0, 3), "1");
    EXPECT_EQ(grid.Cells(10, 1), "3.50");
    EXPECT_EQ(grid.Cells(21, 1), "3");
    EXPECT_EQ(grid.Cells(21, 3), "");
    EXPECT_EQ(grid.Cells(7, 3), "45");
    EXPECT_EQ(grid.ColWidths(0), 30);
    EXPECT_EQ(grid.ColWidths(9), 50);
    EXPECT_EQ(grid.ColWidths(21), 30);
    EXPECT_EQ((*form).Edit_find->text().toStdString(), "1 2 3 4 5 6");
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_TRUE((*form).Button_Spans_graph->isHidden());
    EXPECT_FALSE((*form).Button_stat->isHidden());
}

TEST_F(MainWindow, StartsEmptyWithoutADrawFile) {
    Start("");
    EXPECT_EQ((*form).DrawCount, 0);
    EXPECT_EQ((*form).StringGrid1->RowCount(), 1);
    EXPECT_EQ((*form).Edit_find->text().toStdString(), "     ");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(MainWindow, ReportsIncorrectLinesAtStart) {
    Start("1 2 3 4 5 6\r\nbad\r\n7 8 9 10 11 12\r\n");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "Error - incorrect lines: 2 ");
    EXPECT_EQ((*form).DrawCount, 2);
}

TEST_F(MainWindow, FindShowsTheTextWindow) {
    Start(kThreeDraws);
    (*form).Edit_find->setText("5, 17x");
    (*form).Button_find_numbers->click();
    EXPECT_EQ((*form).Edit_find->text().toStdString(), "5 17 ");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].form, windows->memo.get());
    EXPECT_EQ(dialogs->modals[0].caption, "Draws where selected numbers were found");
    EXPECT_EQ(dialogs->modals[0].content, "3:1 -->  5\r\n2:1 -->  5\r\n1:0\r\n");
}

TEST_F(MainWindow, FindOfAnOverlongNumberGivesAMessage) {
    Start(kThreeDraws);
    (*form).Edit_find->setText("99999999999");
    (*form).Button_find_numbersClick();
    EXPECT_TRUE(dialogs->modals.empty());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "'99999999999' is not a valid integer value");
}

TEST_F(MainWindow, FindEditTakesOnlyDigitsAndBlanks) {
    Start(kThreeDraws);
    (*form).Edit_find->clear();
    QTest::keyClicks((*form).Edit_find, "1a-2 3");
    EXPECT_EQ((*form).Edit_find->text().toStdString(), "12 3");
}

TEST_F(MainWindow, APasteOfManyMegabytesIntoFindIsCutToItsLength) {
    Start(kThreeDraws);
    QString huge;
    huge.reserve(50 << 20);
    while (huge.size() < (50 << 20)) huge += QStringLiteral("5 17 ");
    QGuiApplication::clipboard()->setText(huge);
    (*form).Edit_find->clear();
    (*form).Edit_find->setFocus();
    QTest::keyClick((*form).Edit_find, Qt::Key_V, Qt::ControlModifier);
    QGuiApplication::clipboard()->clear();
    EXPECT_EQ((*form).Edit_find->text(), huge.left(TFindEdit::MaxLength));
}

TEST_F(MainWindow, OpenLoadsAnyFileAndKeepsTheDrawFileName) {
    Start(kThreeDraws);
    dir.write("other.txt", "10 20 30 40 41 42\r\n");
    dialogs->files.push_back(dir.file("other.txt"));
    (*form).Open1Click();
    EXPECT_EQ((*form).DrawCount, 1);
    EXPECT_EQ((*form).StringGrid1->RowCount(), 2);
    EXPECT_EQ((*form).StringGrid1->Cells(2, 1), "10");
    EXPECT_EQ((*form).DrawFileName, "6x45.txt");
    // Records beyond the new count stay.
    EXPECT_EQ((*form).Draws[2][5], 45);
}

TEST_F(MainWindow, AFileOfOnlyAByteOrderMarkLoadsAsAnEmptyFileDoes) {
    Start(kThreeDraws);
    struct Case {
        const char* bytes;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"", {}},
        {"\xEF\xBB\xBF", {}},
        // A mark with a line end still leaves that blank line.
        {"\xEF\xBB\xBF\r\n", {"Error - incorrect lines: 1 "}},
    };
    for (const Case& c : cases) {
        dialogs->messages.clear();
        dir.write("marked.txt", c.bytes);
        dialogs->files.push_back(dir.file("marked.txt"));
        (*form).Open1Click();
        EXPECT_EQ(dialogs->messages, c.messages) << c.bytes;
        EXPECT_EQ((*form).DrawCount, 3);
        EXPECT_EQ((*form).StringGrid1->RowCount(), 4);
    }
}

TEST_F(MainWindow, AnUnreadableFileIsNamedAndChangesNothing) {
    Start(kThreeDraws);
    dialogs->files.push_back(dir.file("missing.txt"));
    (*form).Open1Click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_NE(dialogs->messages[0].find("missing.txt"), std::string::npos);
    EXPECT_EQ((*form).DrawCount, 3);
    EXPECT_EQ((*form).StringGrid1->RowCount(), 4);
}

TEST_F(MainWindow, KeysOpenHelpAndCtrlO) {
    Start(kThreeDraws);
    QTest::keyClick(&(*form), Qt::Key_F1);
    ASSERT_EQ(dialogs->opened.size(), 1u);
    EXPECT_EQ(dialogs->opened[0], "vovuv.chm");
    QTest::keyClick(&(*form), Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(dialogs->opened.size(), 1u);
    dialogs->files.push_back(std::nullopt);
    QTest::keyClick(&(*form), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogs->files.size(), 1u); // Ctrl+Shift+O asked nothing
    QTest::keyClick(&(*form), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(dialogs->files.empty());
}

TEST_F(MainWindow, MenusHoldTheirItemsByPosition) {
    Start("");
    EXPECT_EQ(ItemAt((*form).MenuFile, 0)->text().toStdString(), "&Open (Ctrl+O)");
    EXPECT_EQ(ItemAt((*form).MenuFile, 1)->text().toStdString(), "&Update");
    EXPECT_TRUE(ItemAt((*form).MenuFile, 2)->isCheckable());
    EXPECT_TRUE(ItemAt((*form).MenuFile, 4)->isSeparator());
    EXPECT_EQ(ItemAt((*form).PopupMenu_File, 5)->text().toStdString(), "Exit (Alt+X)");
    EXPECT_EQ(ItemAt((*form).MenuHelp, 1)->text().toStdString(), "&About");
}

TEST_F(MainWindow, FilePopupOpensUnderItsButtonBelowTheCaption) {
    Start("");
    (*form).SetBounds(100, 50, 662, 665);
    const QPoint p = (*form).PopupPoint(*(*form).ToolbarButton97_file);
    const QMargins frame = (*form).FrameMargins();
    EXPECT_EQ(p.x(), 100 + frame.left());
    EXPECT_EQ(p.y(), 50 + frame.top() + 17);
    // The native menu bar is gone; the toolbar buttons sit right under the caption.
    EXPECT_FALSE((*form).MainMenu1->isVisible());
    EXPECT_EQ((*form).clientArea()->geometry().topLeft(), QPoint(4, 32));
}

TEST_F(MainWindow, AboutNamesTheProgram) {
    Start("");
    (*form).About1Click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].rfind("Vovuv 6x45", 0), 0u);
}

TEST(TextWindow, ReverseTwiceRestoresTheLines) {
    testing_support::TempDir dir;
    testing_support::ScopedDialogs dialogs;
    platform::SetProgramFolder(dir.path());
    VovuvWindows windows;
    auto& memo = *windows.memo;
    memo.Memo1->SetLines({"a", "b", "c"});
    memo.Button_Reverse->click();
    EXPECT_EQ(memo.Memo1->Text(), "c\r\nb\r\na");
    memo.Button_Reverse->click();
    EXPECT_EQ(memo.Memo1->Text(), "a\r\nb\r\nc");
    memo.Memo1->Clear();
    memo.Button_ReverseClick();
    EXPECT_EQ(memo.Memo1->Text(), "");
    platform::SetProgramFolder("");
}

TEST(TextWindow, CaptionsFollowTheLanguageAtTheNextShowing) {
    testing_support::TempDir dir;
    testing_support::ScopedDialogs dialogs;
    platform::SetProgramFolder(dir.path());
    VovuvWindows windows;
    auto& memo = *windows.memo;
    memo.ShowLines("T", {"x"});
    EXPECT_EQ(memo.Button_Reverse->Caption(), "Reverse");
    windows.form1->SetRussian();
    memo.ShowLines("T", {"x"});
    EXPECT_EQ(memo.Button_Reverse->Caption(), "Реверс");
    EXPECT_EQ(dialogs->modals.back().content, "x\r\n");
    platform::SetProgramFolder("");
}
