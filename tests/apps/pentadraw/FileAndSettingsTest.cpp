#include "tests/apps/pentadraw/PentadrawTest.h"

#include "apps/shared/Unit_memo.h"
#include "components/skin/xpButton.h"
#include "platform/StringGrid.h"
#include "tests/support/MenuItems.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>

#include <filesystem>

namespace {

using FileTest = PentadrawTest;

const char* const kSettings = "settings_5x36.ini";

TEST_F(FileTest, IncorrectLinesAreReportedInEnglishUnderARussianWindowAndLeftOut) {
    dir.write(kSettings, "0\r\n691\r\n600\r\n0\r\n0\r\n1\r\n");
    Start("3 03.01.2000 1 2 3 4 5\r\n2 02/01/2000 1 2 3 4 5\r\n"
          "1 01.01.2000 1 2 3 4 5 6\r\n0 31.12.1999 5 4 3 2 1\r\n");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "Error - incorrect lines: 3 2 ");
    EXPECT_EQ(form->DrawCount, 2);
    EXPECT_EQ(form->StringGrid1->Cells(0, 2), "0");
    EXPECT_EQ(form->Language(), core::Lang::Russian);
}

TEST_F(FileTest, AFileWithoutAValidLineEmptiesGridCountAndTicket) {
    Start("2 02.01.2000 1 2 3 4 5\r\n1 01.01.2000 6 7 8 9 10\r\n");
    dir.write("bad.txt", "1 2 3 4 5 6\r\n");
    dialogs->files.push_back(dir.file("bad.txt"));
    form->OpenCtrlO1Click();
    EXPECT_EQ(form->DrawCount, 0);
    EXPECT_EQ(form->StringGrid1->RowCount(), 1);
    EXPECT_EQ(form->BoardBitmap->Canvas().Pixel(26, 21), core::clWhite);
    EXPECT_EQ(form->DrawFileName, "5x36.txt");
}

TEST_F(FileTest, AFileOfOnlyAByteOrderMarkEmptiesTheGridWithoutAMessage) {
    Start("2 02.01.2000 1 2 3 4 5\r\n1 01.01.2000 6 7 8 9 10\r\n");
    dir.write("marked.txt", "\xEF\xBB\xBF");
    dialogs->files.push_back(dir.file("marked.txt"));
    form->OpenCtrlO1Click();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(form->DrawCount, 0);
    EXPECT_EQ(form->StringGrid1->RowCount(), 1);
}

TEST_F(FileTest, FindListsHitsUnderItsEnglishCaption) {
    Start("2 02.01.2000 5 17 20 31 36\r\n1 01.01.2000 1 2 3 4 6\r\n");
    form->SetRussian();
    form->Edit_find->setText("5, 17;x");
    form->Button_find_numbersClick();
    EXPECT_EQ(form->Edit_find->text().toStdString(), "5 17 ");
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Draws where selected numbers were found");
    EXPECT_EQ(dialogs->modals[0].content, "2:2 -->  5 17\r\n1:0\r\n");
}

TEST_F(FileTest, ASavedRussianStartsInRussianThePopUpItemSwitchesAndClosingWritesSixLines) {
    dir.write(kSettings, "0\r\n691\r\n600\r\n10\r\n0\r\n1\r\n");
    Start();
    EXPECT_EQ(form->Language(), core::Lang::Russian);
    EXPECT_EQ(form->Button_freq_A1_A5->text().toStdString(), "Частота A1...A5");
    EXPECT_EQ(ItemAt(form->PopupMenu_File, 4)->text().toStdString(), "Выход (Alt+X)");
    const std::string caption = form->Caption();
    EXPECT_EQ(caption.rfind("Vovuv 5x36 - ", 0), 0u) << caption;
    ItemAt(form->PopupMenu_File, 2)->trigger();
    EXPECT_EQ(form->Language(), core::Lang::English);
    EXPECT_EQ(form->Caption(), caption);
    EXPECT_EQ(form->StringGrid1->Cells(21, 0), "Prev");
    EXPECT_EQ(ItemAt(form->PopupMenu_File, 4)->text().toStdString(), "&Exit (Alt+X)");

    ItemAt(form->PopupMenu_File, 2)->trigger();
    EXPECT_TRUE(ItemAt(form->PopupMenu_File, 2)->isChecked());
    EXPECT_EQ(form->Button_Difference->text().toStdString(), "Разница");
    EXPECT_EQ(form->StringGrid1->ColWidths(9), 60);
    form->SetBounds(40, 50, 700, 520);
    form->close();
    EXPECT_EQ(dir.read(kSettings), "0\r\n700\r\n520\r\n40\r\n50\r\n1\r\n");
    EXPECT_EQ(std::filesystem::status(dir.file(kSettings)).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

TEST_F(FileTest, AltXClosesAndTheHelpItemDoesNothing) {
    Start();
    form->show();
    ItemAt(form->PopupMenu_Help, 0)->trigger();
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_TRUE(dialogs->opened.empty());
    QKeyEvent ctrlX(QEvent::KeyPress, Qt::Key_X, Qt::ControlModifier);
    QCoreApplication::sendEvent(form, &ctrlX);
    EXPECT_TRUE(form->isVisible());
    QKeyEvent altX(QEvent::KeyPress, Qt::Key_X, Qt::AltModifier);
    QCoreApplication::sendEvent(form, &altX);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(std::filesystem::exists(dir.file(kSettings)));
}

} // namespace
