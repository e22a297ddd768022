#include "apps/shared/Unit_display.h"
#include "apps/shared/Unit_utils.h"
#include "components/skin/xpButton.h"
#include "platform/Canvas.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTestHost.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

using testing_support::ScopedDialogs;
using testing_support::TempDir;

// An edition whose ticket is one lime square per number, at x = 5 * number, so the tests
// can tell which tickets a picture holds.
class TicketHost : public testing_support::WindowTestHost {
public:
    TicketHost(const EditionBundle& bundle, const std::vector<core::Draw>& newestFirst)
        : WindowTestHost(bundle, newestFirst), board_(540, 640) {}

    const platform::TBitmap* TicketPicture(const std::string& numbersText) override {
        drawn.push_back(numbersText);
        auto& canvas = board_.Canvas();
        canvas.Brush.Color = core::clWhite;
        canvas.FillRect(0, 0, board_.Width(), board_.Height());
        canvas.Brush.Color = core::clLime;
        std::size_t pos = 0;
        while (pos < numbersText.size()) {
            const std::size_t end = numbersText.find(' ', pos);
            const int n = std::stoi(numbersText.substr(pos, end - pos));
            canvas.FillRect(5 * n, 20, 5 * n + 4, 24);
            if (end == std::string::npos) break;
            pos = end + 1;
        }
        return &board_;
    }
    void ShowHighlighter() override { ++highlighters; }

    std::vector<std::string> drawn;
    int highlighters = 0;

private:
    platform::TBitmap board_;
};

class MapUtilsEdition : public ::testing::Test {
protected:
    void SetUp() override { platform::SetProgramFolder(dir.path()); }
    void TearDown() override { platform::SetProgramFolder(""); }
    TempDir dir;
    ScopedDialogs dialogs;
};

core::TColor At(const QImage& image, int x, int y) {
    return platform::FromQColor(image.pixelColor(x, y));
}

TEST_F(MapUtilsEdition, ExportDrawsTheOldestOfTheLastNFirstAndTheMergeKeepsEveryTicket) {
    TicketHost host(Bundle6x45,
                    {{1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15}, {40, 41, 42, 43, 44, 45}});
    TForm_Utils utils(host);
    utils.CheckBox_Merge->setChecked(false);
    dialogs->inputs.push_back("2");
    utils.Button_export->click();
    EXPECT_EQ(host.drawn, (std::vector<std::string>{"10 11 12 13 14 15", "1 2 3 4 5 6"}));
    const QImage second(QString::fromStdString(dir.file("2.bmp")));
    const QImage third(QString::fromStdString(dir.file("3.bmp")));
    ASSERT_EQ(second.size(), QSize(345, 410));
    ASSERT_EQ(third.size(), QSize(345, 410));
    EXPECT_EQ(At(second, 5 * 10 + 1, 21), core::clLime);
    EXPECT_EQ(At(second, 5 * 1 + 1, 21), core::clWhite);
    EXPECT_EQ(At(third, 5 * 1 + 1, 21), core::clLime);

    utils.CheckBox_Merge->setChecked(true);
    dialogs->inputs.push_back("2");
    utils.Button_export->click();
    const QImage merged(QString::fromStdString(dir.file("merged.bmp")));
    ASSERT_EQ(merged.size(), QSize(345, 410));
    for (int n : {1, 6, 10, 15}) EXPECT_EQ(At(merged, 5 * n + 1, 21), core::clLime) << n;
    EXPECT_EQ(At(merged, 5 * 20 + 1, 21), core::clWhite);
    EXPECT_EQ(At(merged, 300, 400), core::clWhite);
}

TEST_F(MapUtilsEdition, FiveOfThirtySixMapHasThirtySixColumnsAndItsZoom) {
    TicketHost host(Bundle5x36, {{1, 2, 3, 4, 36}});
    TForm_Display display(host);
    EXPECT_EQ(display.Zoom, 13);
    EXPECT_EQ(display.Width(), 510);
    core::BuildDrawMap(host.store, host.GameRules(), display.DrawMap);
    display.RenderMap(false, 10);
    auto& canvas = display.MapBitmap->Canvas();
    EXPECT_EQ(canvas.Pixel(20 + 35 * 10 + 5, 25), core::clLime);
    EXPECT_EQ(canvas.Pixel(20 + 34 * 10 + 5, 25), core::clBlue);
    EXPECT_EQ(canvas.Pixel(20 + 36 * 10 + 5, 25), core::clWhite);
}

TEST_F(MapUtilsEdition, FiveOfThirtySixUtilsUseItsPoolCaptionsAndHighlighter) {
    TicketHost host(Bundle5x36, {{1, 2, 3, 4, 36}});
    TForm_Utils utils(host);
    EXPECT_EQ(utils.GroupBox5, nullptr);
    EXPECT_EQ(utils.Button_export->geometry(), QRect(16, 240, 121, 25));
    ASSERT_NE(utils.xpButton_Highlighter, nullptr);
    EXPECT_EQ(utils.xpButton_Highlighter->geometry(), QRect(8, 168, 75, 25));
    utils.xpButton_Highlighter->click();
    EXPECT_EQ(host.highlighters, 1);

    utils.Edit_in_1->setText("36 37 1");
    utils.Button_Remove->click();
    EXPECT_EQ(utils.Label_count->text().toStdString(), "34");
    utils.Button_Start->click();
    for (int i = 0; i < 37; ++i) utils.Timer1Timer();
    EXPECT_EQ(utils.RandomCounter, 1);
    utils.Button_Start->click();
    utils.Memo1->SetText("36 1 20 5 2");
    utils.Button_Sort->click();
    EXPECT_EQ(utils.Memo1->Text(), "01 02 05 20 36");

    const struct {
        bool russian;
        const char *reverse, *merge, *openBinary, *nonlinear, *shuffle, *remove;
    } cases[] = {
        {true, "Перевернуть", "Объединить", "Открыть двоичный файл",
         "Нелинейный Генератор случайных чисел", "Перемешать числа в строке",
         "Удалить массив 1 из 1..36"},
        {false, "Reverse", "Merge", "Open binary file", "Nonlinear Random Generator",
         "Shuffle string", "Remove array 1 from 1..36"},
    };
    for (const auto& c : cases) {
        host.lang = c.russian ? core::Lang::Russian : core::Lang::English;
        utils.ShowModal();
        EXPECT_EQ(utils.Button_Reverse->Caption(), c.reverse);
        EXPECT_EQ(utils.CheckBox_Merge->text().toStdString(), c.merge);
        EXPECT_EQ(utils.Button_Open_binary_file->Caption(), c.openBinary);
        EXPECT_EQ(utils.GroupBox3->title().toStdString(), c.nonlinear);
        EXPECT_EQ(utils.GroupBox4->title().toStdString(), c.shuffle);
        EXPECT_EQ(utils.Button_Remove->Caption(), c.remove);
        EXPECT_EQ(utils.Button_Start->Caption(), "Start");
        utils.Button_Start->click();
        EXPECT_EQ(utils.Button_Start->Caption(), "Stop");
        utils.Button_Start->click();
    }
    // The export asks in English whatever the language, and draws the tickets of five.
    host.lang = core::Lang::Russian;
    utils.CheckBox_Merge->setChecked(false);
    dialogs->inputs.push_back("1");
    utils.Button_export->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Charts in last draws");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Enter number of last draws 1..1");
    EXPECT_EQ(host.drawn, (std::vector<std::string>{"1 2 3 4 36"}));
}

} // namespace
