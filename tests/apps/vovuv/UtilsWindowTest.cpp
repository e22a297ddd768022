#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_utils.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/xpButton.h"
#include "core/NumberRoutines.h"
#include "platform/ProgramFolder.h"
#include "platform/TextFile.h"
#include "tests/support/CaptionFit.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QResizeEvent>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using testing_support::ScopedDialogs;
using testing_support::TempDir;

// count draws, newest first; the draw numbered k holds six distinct numbers that follow k.
std::string UtilsDrawFile(int count) {
    std::string text;
    for (int k = count; k >= 1; --k) {
        for (int j = 0; j < 6; ++j) text += std::to_string((k * 7 + j * 5) % 45 + 1) + " ";
        text.pop_back();
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> FilesIn(const std::string& dir, const std::string& ext) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ext) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class UtilsWindow : public VovuvTest {
protected:
    void Load(int draws) {
        Start(draws > 0 ? UtilsDrawFile(draws) : "");
        u = Form_Utils;
    }
    static std::string T(const QLineEdit* e) { return e->text().toStdString(); }

    TForm_Utils* u = nullptr;
};

TEST_F(UtilsWindow, DrawListIsFilledAtCreationNewestFirst) {
    Load(3);
    EXPECT_EQ(u->Memo1->Text(), "02 22 27 32 37 42\r\n15 20 25 30 35 40\r\n08 13 18 23 28 33");
    EXPECT_EQ(u->SaveDialogInitialDir, dir.path());
    EXPECT_EQ(u->Caption(), "Form_Utils");
}

TEST_F(UtilsWindow, CaptionsFollowTheLanguage) {
    Load(3);
    windows->form1->Button_UtilsClick();
    EXPECT_EQ(u->Caption(), "Utils");
    EXPECT_EQ(u->Button_Remove->Caption(), "Remove array 1 from 1..45");
    EXPECT_EQ(u->GroupBox5->title().toStdString(), "Find Combinations by Number");
    windows->form1->SetRussian();
    windows->form1->Button_UtilsClick();
    EXPECT_EQ(u->Caption(), "Утилиты");
    EXPECT_EQ(u->Button_Remove->Caption(), "Удалить массив 1 из 1..45");
    EXPECT_EQ(u->CheckBox_Merge->text().toStdString(), "В один файл");
    EXPECT_EQ(u->Button_Open_binary_file->Caption(), "Открыть бинарный файл");
    EXPECT_EQ(u->GroupBox3->title().toStdString(), "Нелинейный генератор случайных чисел");
}

TEST_F(UtilsWindow, EveryCaptionFitsItsControlInBothLanguages) {
    Load(3);
    for (bool russian : {false, true}) {
        russian ? windows->form1->SetRussian() : windows->form1->SetEnglish();
        windows->form1->Button_UtilsClick();
        windows->memo->ShowLines("t", {"a"});
        for (const QWidget* w : QApplication::topLevelWidgets())
            EXPECT_EQ(testing_support::CutCaptions(*w), std::vector<std::string>{})
                << (russian ? "ru " : "en ") << w->metaObject()->className();
    }
}

TEST_F(UtilsWindow, RemoveAndCombineShowTheListAndItsCount) {
    Load(1);
    struct Case {
        const char* in1;
        const char* in2;
        bool combine;
        std::string result;
        const char* count;
    };
    std::string all, from4;
    for (int n = 1; n <= 45; ++n) {
        const std::string t = (n < 10 ? "0" : "") + std::to_string(n) + " ";
        all += t;
        if (n >= 4) from4 += t;
    }
    const Case cases[] = {
        {"", "", false, all, "45"},
        {"1 2 3", "", false, from4, "42"},
        {"3 1 3", "2 3", true, "01 02 03 ", "3"},
        {"", "", true, "", "0"},
    };
    for (const auto& c : cases) {
        u->Edit_in_1->setText(c.in1);
        u->Edit_in_2->setText(c.in2);
        if (c.combine)
            u->Button_Combine->click();
        else
            u->Button_Remove->click();
        EXPECT_EQ(T(u->Edit_Result), c.result) << c.in1;
        EXPECT_EQ(u->Label_count->text().toStdString(), c.count) << c.in1;
    }
}

TEST_F(UtilsWindow, CombinationLookup) {
    Load(1);
    struct Case {
        const char* in;
        const char* shown;
        const char* out;
    };
    const Case cases[] = {
        {"1", "1", "01 02 03 04 05 06"},
        {"41", "41", "01 02 03 04 06 07"},
        {"8145060", "8145060", "40 41 42 43 44 45"},
        {"12a3", "123", "01 02 03 04 08 14"},
        {"0", "1", "01 02 03 04 05 06"},
        {"81450601", "8145060", "40 41 42 43 44 45"},
        {"99999999", "8145060", "40 41 42 43 44 45"},
        {"", "8145060", "40 41 42 43 44 45"},
    };
    EXPECT_EQ(T(u->Edit_combinations_in), "8145060");
    for (const auto& c : cases) {
        u->Edit_combinations_in->setText(c.in);
        u->Button_combinations->click();
        EXPECT_EQ(T(u->Edit_combinations_in), c.shown) << c.in;
        EXPECT_EQ(T(u->Edit_combinations_out), c.out) << c.in;
    }
}

TEST_F(UtilsWindow, StartingOneGeneratorStopsTheOther) {
    Load(2);
    for (bool russian : {false, true}) {
        russian ? windows->form1->SetRussian() : windows->form1->SetEnglish();
        const std::string stop = russian ? "Стоп" : "Stop";
        const std::string start = russian ? "Старт" : "Start";
        u->Button_Start->click();
        EXPECT_TRUE(u->Timer1->isActive());
        EXPECT_EQ(u->Timer1->interval(), 1);
        EXPECT_TRUE(u->Button_Generate->Enabled());
        EXPECT_EQ(u->Button_Start->Caption(), stop);
        u->Button_Start_nonlinear->click();
        EXPECT_FALSE(u->Timer1->isActive());
        EXPECT_FALSE(u->Button_Generate->Enabled());
        EXPECT_EQ(u->Button_Start->Caption(), start);
        EXPECT_TRUE(u->Timer2_nonlinear->isActive());
        EXPECT_EQ(u->Button_Start_nonlinear->Caption(), stop);
        u->Button_Start->click();
        EXPECT_FALSE(u->Timer2_nonlinear->isActive());
        EXPECT_FALSE(u->Button_generate_nonlinear->Enabled());
        EXPECT_TRUE(u->Timer1->isActive());
        // Closing the window stops whichever runs.
        u->ShowModal();
        EXPECT_FALSE(u->Timer1->isActive());
        EXPECT_FALSE(u->Timer2_nonlinear->isActive());
        u->Button_Start_nonlinear->click();
        u->close();
        EXPECT_FALSE(u->Timer2_nonlinear->isActive());
        EXPECT_EQ(u->Button_Start_nonlinear->Caption(), start);
    }
}

TEST_F(UtilsWindow, RandomGeneratorCountsOneToFortyFive) {
    Load(2);
    u->Button_Start->click();
    EXPECT_EQ(u->RandomCounter, 0);
    for (int i = 0; i < 45; ++i) u->Timer1Timer();
    EXPECT_EQ(u->RandomCounter, 45);
    u->Timer1Timer();
    EXPECT_EQ(u->RandomCounter, 1);
    u->Button_Generate->click();
    u->Timer1Timer();
    u->Button_Generate->click();
    EXPECT_EQ(T(u->Edit_Random), "1 2 ");
    u->Button_Start->click();
}

TEST_F(UtilsWindow, NonlinearGeneratorReadsTheStoreAsOneSequence) {
    Load(2);
    u->Button_Start_nonlinear->click();
    for (int i = 0; i < 7; ++i) u->Timer2_nonlinearTimer();
    EXPECT_EQ(u->NonlinearCounter, 7);
    u->Button_generate_nonlinear->click();
    const auto& draws = windows->form1->Draws;
    EXPECT_EQ(T(u->Edit_Random_nonlinear), std::to_string(draws[1][1]) + " ");
    for (int i = 0; i < 5; ++i) u->Timer2_nonlinearTimer();
    EXPECT_EQ(u->NonlinearCounter, 0);
    u->Button_Start_nonlinear->click();
}

TEST_F(UtilsWindow, NonlinearGeneratorIsHarmlessWithoutDraws) {
    Load(0);
    u->Button_Start_nonlinear->click();
    for (int i = 0; i < 100; ++i) u->Timer2_nonlinearTimer();
    EXPECT_EQ(u->NonlinearCounter, 0);
    u->Button_generate_nonlinear->click();
    u->Button_generate_nonlinear->click();
    EXPECT_EQ(T(u->Edit_Random_nonlinear), "0 ");
    u->Button_Start_nonlinear->click();
}

TEST_F(UtilsWindow, ShuffleReordersTheWords) {
    Load(1);
    u->Edit_shuffle->setText("a b c");
    u->Button_shuffle->click();
    std::string s = T(u->Edit_shuffle);
    ASSERT_EQ(s.size(), 6u);
    std::sort(s.begin(), s.end());
    EXPECT_EQ(s, "   abc");
    u->Edit_shuffle->setText("");
    u->Button_shuffle->click();
    EXPECT_EQ(T(u->Edit_shuffle), "");
}

TEST_F(UtilsWindow, SortRewritesDrawLinesOnly) {
    Load(1);
    u->Memo1->SetText("45 3 17 9 22 1\r\nletters here\r\n1 2 3\r\n5 4 3 2 1 300");
    u->CheckBox_ascend->setChecked(false);
    u->Button_Sort->click();
    EXPECT_EQ(u->Memo1->Text(), "45 22 17 09 03 01\r\nletters here\r\n1 2 3\r\n5 4 3 2 1 300");
    u->CheckBox_ascend->setChecked(true);
    u->Button_Sort->click();
    EXPECT_EQ(u->Memo1->Lines().front(), "01 03 09 17 22 45");
}

TEST_F(UtilsWindow, ReverseListsTheDrawsOldestFirst) {
    Load(3);
    u->Button_ReverseClick();
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Lines in reversed order");
    EXPECT_EQ(dialogs->modals[0].content,
              "08 13 18 23 28 33\r\n15 20 25 30 35 40\r\n02 22 27 32 37 42");
}

constexpr auto kPrivate = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;

TEST_F(UtilsWindow, SaveAppendsTxtAndAsksBeforeReplacing) {
    Load(2);
    u->Memo1->SetText("01 02 03 04 05 06\r\n\r\n07 08 09 10 11 12\r\n");
    struct Case {
        const char* chosen;
        const char* written;
    };
    const Case cases[] = {{"list", "list.txt"}, {"x.TXT", "x.TXT"}, {"y.dat", "y.dat.txt"}};
    for (const auto& c : cases) {
        dialogs->files.push_back(dir.file(c.chosen));
        u->Button_Save->click();
        EXPECT_EQ(dir.read(c.written), "01 02 03 04 05 06\r\n07 08 09 10 11 12\r\n") << c.chosen;
    }
    EXPECT_TRUE(dialogs->questions.empty());
    EXPECT_EQ(u->Memo1->Text(), "01 02 03 04 05 06\r\n07 08 09 10 11 12");

    // "list" names list.txt, which now exists: the user is asked, and No keeps it.
    u->Memo1->SetText("33");
    dialogs->files.push_back(dir.file("list"));
    dialogs->yesNo.push_back(false);
    u->Button_Save->click();
    ASSERT_EQ(dialogs->questions.size(), 1u);
    EXPECT_NE(dialogs->questions[0].find(dir.file("list.txt")), std::string::npos);
    EXPECT_EQ(dir.read("list.txt"), "01 02 03 04 05 06\r\n07 08 09 10 11 12\r\n");
    dialogs->files.push_back(dir.file("list"));
    dialogs->yesNo.push_back(true);
    u->Button_Save->click();
    EXPECT_EQ(dir.read("list.txt"), "33\r\n");
    EXPECT_EQ(std::filesystem::status(dir.file("list.txt")).permissions(), kPrivate);
}

TEST_F(UtilsWindow, SaveCancelledStillDropsEmptyLinesAndAFailureIsReported) {
    Load(1);
    u->Memo1->SetText("1\r\n\r\n2");
    u->Button_Save->click();
    EXPECT_EQ(u->Memo1->Text(), "1\r\n2");
    dialogs->files.push_back(dir.file("missing/folder/list"));
    u->Button_Save->click();
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(UtilsWindow, ExportWritesOnePicturePerDrawWithFreeNames) {
    Load(120);
    u->CheckBox_Merge->setChecked(false);
    dialogs->inputs.push_back("3");
    u->Button_export->click();
    ASSERT_EQ(dialogs->prompts.size(), 1u);
    EXPECT_EQ(dialogs->prompts[0].caption, "Charts in last draws");
    EXPECT_EQ(dialogs->prompts[0].prompt, "Enter number of last draws 1..120");
    EXPECT_EQ(dialogs->prompts[0].defaultText, "12");
    EXPECT_EQ(FilesIn(dir.path(), ".bmp"),
              (std::vector<std::string>{"118.bmp", "119.bmp", "120.bmp"}));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "bmp files has been created in directory " + dir.path());
    EXPECT_TRUE(u->Button_export->Enabled());

    dialogs->inputs.push_back("3");
    u->Button_export->click();
    EXPECT_EQ(FilesIn(dir.path(), ".bmp"),
              (std::vector<std::string>{"118.bmp", "118[0].bmp", "119.bmp", "119[0].bmp", "120.bmp",
                                        "120[0].bmp"}));
    for (const auto& name : FilesIn(dir.path(), ".bmp")) {
        QImage picture(QString::fromStdString(dir.file(name)));
        EXPECT_EQ(picture.size(), QSize(345, 410)) << name;
        EXPECT_EQ(std::filesystem::status(dir.file(name)).permissions(), kPrivate) << name;
    }
    // The board is left on the newest exported draw, which is what its picture shows.
    const QImage newest(QString::fromStdString(dir.file("120[0].bmp")));
    EXPECT_EQ(newest.convertToFormat(QImage::Format_RGB32),
              windows->form1->BoardBitmap->Image().copy(0, 0, 345, 410));
}

TEST_F(UtilsWindow, ExportCountFollowsTheAnswer) {
    Load(120);
    u->CheckBox_Merge->setChecked(false);
    struct Case {
        std::optional<std::string> answer;
        std::size_t files;
    };
    const Case cases[] = {{"", 20}, {"1 2", 12}, {"500", 20}, {"0", 1}, {std::nullopt, 12}};
    for (const auto& c : cases) {
        for (const auto& name : FilesIn(dir.path(), ".bmp"))
            std::filesystem::remove(dir.file(name));
        dialogs->inputs.push_back(c.answer);
        u->Button_export->click();
        EXPECT_EQ(FilesIn(dir.path(), ".bmp").size(), c.files) << c.answer.value_or("cancel");
    }
}

TEST_F(UtilsWindow, ExportMergedMakesOneFile) {
    Load(5);
    ASSERT_TRUE(u->CheckBox_Merge->isChecked());
    dialogs->inputs.push_back("3");
    u->Button_export->click();
    dialogs->inputs.push_back("");
    u->Button_export->click();
    EXPECT_EQ(FilesIn(dir.path(), ".bmp"),
              (std::vector<std::string>{"merged.bmp", "merged[0].bmp"}));
    EXPECT_EQ(QImage(QString::fromStdString(dir.file("merged.bmp"))).size(), QSize(345, 410));
    EXPECT_EQ(dialogs->messages.size(), 2u);
}

TEST_F(UtilsWindow, ExportFailuresAreReportedAndTheButtonComesBack) {
    Load(5);
    // A number beyond 32 bits.
    dialogs->inputs.push_back("99999999999");
    u->Button_export->click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0], "'99999999999' is not a valid integer value");
    EXPECT_TRUE(u->Button_export->Enabled());
    EXPECT_TRUE(FilesIn(dir.path(), ".bmp").empty());

    // A folder that cannot take the pictures.
    dialogs->messages.clear();
    platform::SetProgramFolder(dir.file("gone"));
    u->CheckBox_Merge->setChecked(false);
    dialogs->inputs.push_back("2");
    u->Button_export->click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].rfind("Could not save file " + dir.file("gone"), 0), 0u)
        << dialogs->messages[0];
    // With the reason the file system gave.
    EXPECT_NE(dialogs->messages[0].find(".bmp: No such file or directory"), std::string::npos)
        << dialogs->messages[0];
    EXPECT_TRUE(u->Button_export->Enabled());
}

TEST_F(UtilsWindow, ExportWorksOnTheDrawsOfItsStartWhateverHappensMeanwhile) {
    Load(120);
    u->CheckBox_Merge->setChecked(false);
    const std::string newest =
        core::NumbersToText(windows->form1->Draws[0].data(), false, " ", 6, 45);
    dir.write("ten.txt", UtilsDrawFile(10));
    dialogs->files.push_back(dir.file("ten.txt"));
    dialogs->onProgress = [&](int done) {
        if (done == 5) windows->form1->Open1Click();
        if (done == 6) u->Button_exportClick(); // refused: one export at a time
        return true;
    };
    dialogs->inputs.push_back("30");
    u->Button_export->click();
    EXPECT_EQ(windows->form1->DrawCount, 10);
    EXPECT_EQ(dialogs->prompts.size(), 1u);
    ASSERT_EQ(dialogs->progress.size(), 1u);
    EXPECT_EQ(dialogs->progress[0].text, "Charts in last draws");
    EXPECT_EQ(dialogs->progress[0].cancelText, "Cancel");
    EXPECT_EQ(dialogs->progress[0].total, 30);
    EXPECT_EQ(dialogs->progress[0].steps.size(), 30u);
    // The 30 newest of the 120 draws, 91.bmp to 120.bmp, the newest as its ticket showed it.
    EXPECT_EQ(FilesIn(dir.path(), ".bmp").size(), 30u);
    EXPECT_TRUE(platform::FileExists(dir.file("91.bmp")));
    EXPECT_EQ(
        QImage(QString::fromStdString(dir.file("120.bmp"))).convertToFormat(QImage::Format_RGB32),
        windows->form1->TicketPicture(newest)->Image().copy(0, 0, 345, 410));
    EXPECT_EQ(dialogs->messages.back(), "bmp files has been created in directory " + dir.path());
}

TEST_F(UtilsWindow, CancelOrClosingTheWindowEndsAnExportAndKeepsWhatWasWritten) {
    Load(120);
    const struct {
        bool merge, close, russian, gone; // gone: the program folder cannot be written
        std::size_t files;
        std::vector<std::string> messages; // "%": the program folder
    } cases[] = {
        {false, false, false, false, 3, {"Export cancelled; bmp files created: 3; directory %"}},
        {false, false, true, false, 3, {"Экспорт отменён; создано bmp файлов: 3; директория %"}},
        {false, true, false, false, 3, {}},
        // The merged picture is not written once the export was cancelled.
        {true, false, false, false, 0, {"Export cancelled; bmp files created: 0; directory %"}},
        {true, false, true, false, 0, {"Экспорт отменён; создано bmp файлов: 0; директория %"}},
        // A failure is told once the progress box has gone.
        {false,
         false,
         false,
         true,
         0,
         {"Could not save file %/101.bmp: No such file or directory"}},
        {true,
         false,
         true,
         true,
         0,
         {"Не удалось сохранить файл %/merged.bmp: No such file or directory"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.merge) + std::to_string(c.close) + std::to_string(c.russian) +
                     std::to_string(c.gone));
        for (const auto& name : FilesIn(dir.path(), ".bmp"))
            std::filesystem::remove(dir.file(name));
        const std::string folder = c.gone ? dir.file("gone") : dir.path();
        platform::SetProgramFolder(folder);
        dialogs->messages.clear();
        c.russian ? windows->form1->SetRussian() : windows->form1->SetEnglish();
        u->CheckBox_Merge->setChecked(c.merge);
        dialogs->onProgress = [&](int done) {
            if (done == 3 && c.close) u->close();
            return done < 3 || c.close || c.gone;
        };
        dialogs->inputs.push_back("20");
        u->Button_export->click();
        EXPECT_EQ(FilesIn(dir.path(), ".bmp").size(), c.files);
        std::vector<std::string> want;
        for (std::string m : c.messages) want.push_back(m.replace(m.find('%'), 1, folder));
        EXPECT_EQ(dialogs->messages, want);
        EXPECT_TRUE(dialogs->messagesUnderProgress.empty());
        EXPECT_EQ(dialogs->progressOpen, 0);
        EXPECT_TRUE(u->Button_export->Enabled());
    }
}

TEST_F(UtilsWindow, ExportOfNothingWritesNoFileAndReportsNoSuccess) {
    Load(0);
    dialogs->inputs.push_back("");
    u->Button_export->click();
    EXPECT_TRUE(FilesIn(dir.path(), ".bmp").empty());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].find("bmp files"), std::string::npos);
    EXPECT_TRUE(u->Button_export->Enabled());
    EXPECT_TRUE(u->Memo1->Text().empty());
}

TEST_F(UtilsWindow, BinaryDrawFileIsListedAsText) {
    Load(1);
    struct Case {
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {std::string("\x01\x02\x03\x04\x05\x06\x0a\x14\x1e\x28\x2c\x2d", 12),
         "01 02 03 04 05 06\r\n10 20 30 40 44 45"},
        {"", ""},
        {std::string("\x01\x02\x03\x04\x05\x06\x07", 7), "01 02 03 04 05 06\r\n07"},
    };
    for (const auto& c : cases) {
        dialogs->modals.clear();
        dir.write("draws.dat", c.bytes);
        dialogs->files.push_back(dir.file("draws.dat"));
        u->Button_Open_binary_file->click();
        ASSERT_EQ(dialogs->modals.size(), 1u);
        EXPECT_EQ(dialogs->modals[0].caption, "Binary to text");
        EXPECT_EQ(Form_memo->Memo1->Text().substr(0, c.text.size()), c.text);
        EXPECT_EQ(Form_memo->Memo1->Lines().size(),
                  static_cast<std::size_t>((c.bytes.size() + 5) / 6));
    }
    windows->form1->SetRussian();
    dialogs->files.push_back(dir.file("draws.dat"));
    u->Button_Open_binary_file->click();
    EXPECT_EQ(dialogs->modals.back().caption, "Двоичный файл в текстовом формате");
}

TEST_F(UtilsWindow, UnreadableBinaryFileGivesAMessage) {
    Load(1);
    dialogs->files.push_back(dir.file("nothing.dat"));
    u->Button_Open_binary_file->click();
    EXPECT_TRUE(dialogs->modals.empty());
    EXPECT_EQ(dialogs->messages.size(), 1u);
    u->Button_Open_binary_file->click(); // cancelled
    EXPECT_EQ(dialogs->messages.size(), 1u);
}

TEST_F(UtilsWindow, ResizeFollowsTheWindow) {
    Load(1);
    u->SetBounds(0, 0, 700, 800);
    QResizeEvent e(QSize(700, 800), QSize(640, 664));
    QCoreApplication::sendEvent(u, &e);
    EXPECT_EQ(u->Memo1->height(), 800 - 360);
    EXPECT_EQ(u->Edit_in_1->width(), 700 - 60 - 20);
    EXPECT_EQ(u->Edit_Result->width(), 700 - 60 - 20);
    EXPECT_EQ(u->Label_count->x(), 700 - 40);
}

} // namespace
