#pragma once

#include "apps/shared/EditionHost.h"
#include "apps/shared/FindEdit.h"
#include "apps/shared/Site.h"
#include "apps/shared/SiteTransfer.h"
#include "core/CommandResult.h"
#include "core/DrawFile.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/NumberRoutines.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMenu;
class QAction;
class TUpDown;
class TxpButton;
class TxpWindow;
class TToolbarButton97;
class TRndTestRun;
namespace platform {
class TStringGrid;
}

// The main window of the 5-of-36 edition: the draw store with each draw's number and date as
// the file wrote them, the grid of draws, the ticket picture and the command buttons.
class TForm1 : public platform::TForm, public EditionHost {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // EditionHost
    bool IsRussian() const override { return RussianUI; }
    const core::DrawStore& Store() const override { return Draws; }
    const core::Game& GameRules() const override { return edition_.game; }
    const core::Edition& EditionRules() const override { return edition_; }
    const platform::TBitmap* TicketPicture(const std::string& numbersText) override;
    const UtilsEdition& UtilsRules() const override { return Utils5x36; }
    void ShowHighlighter() override;

    // The store and its file.
    core::DrawStore Draws;
    int& DrawCount = Draws.DrawCount;
    // Draw number and date of each loaded record, as the file wrote them.
    std::vector<core::DrawLabel> Labels;
    std::string DrawFileName;
    bool RussianUI = false;
    bool FirstPaint = false;
    std::unique_ptr<platform::TBitmap> BoardBitmap;
    // The site transfer; its client is the one of the transfer in progress.
    SiteTransfer Transfer{this};
    std::unique_ptr<THttpCli>& HttpClient = Transfer.client;
    // The random test searching in slices; owned here so it ends with the window.
    TRndTestRun* RndTest;
    // Where the update fetches the draw file; tests point it at their own server.
    std::string SiteRoot = kSiteRoot;

    // Controls.
    TxpWindow* xpWindow1;
    TToolbarButton97* ToolbarButton97_file;
    TToolbarButton97* ToolbarButton97_Help;
    TFindEdit* Edit_find;
    TxpButton* Button_find_numbers;
    TUpDown* UpDown1;
    platform::TStringGrid* StringGrid1;
    // The main menu exists but is never the window's menu: its items are never shown.
    QMenu* MenuFile;
    QMenu* MenuHelp;
    QMenu* PopupMenu_File;
    QMenu* PopupMenu_Help;

    TxpButton* Button_stat;
    TxpButton* Button_stat_duples;
    TxpButton* Button_Any;
    TxpButton* Button_Cold_numbers;
    TxpButton* Button_triples;
    TxpButton* Button_Skip_strategy;
    TxpButton* Button_Numbers;
    TxpButton* Button_Freq_strategy;
    TxpButton* Button_Match_in_draws;
    TxpButton* Button_freq_A1_A5;
    TxpButton* Button_Separation;
    TxpButton* Button_center;
    TxpButton* Button_Groups;
    TxpButton* xpButton_Map_2;
    TxpButton* Button_probability;
    TxpButton* Button_Character;
    TxpButton* Button_Combinations;
    TxpButton* Button_delta;
    TxpButton* Button_map;
    TxpButton* Button_Check_sum;
    TxpButton* Button_Numbers_in_past_draws;
    TxpButton* Button_Zone;
    TxpButton* Button_final_sum_of_numbers;
    TxpButton* Button_Utils;
    TxpButton* Button_Period;
    TxpButton* Button_Freq_Analyse;
    TxpButton* Button_Difference;
    TxpButton* xpButton_Rnd_Test;
    TxpButton* Button_show;

    // Menu items by position, as the commands address them.
    QAction* MainFileItem(int index) const;
    QAction* MainHelpItem(int index) const;
    QAction* PopupFileItem(int index) const;
    QAction* PopupHelpItem(int index) const;

    // Store and file.
    void GetDraw(core::Draw& dest, int index) const { Draws.GetDraw(dest, index); }
    void PutDraw(const core::Draw& src, int index) { Draws.PutDraw(src, index); }
    // Loads a draw file (full path); false when it could not be read (the user was told).
    bool LoadDrawFile(const std::string& fileName);
    // Fills the grid from the store and the labels.
    void FillGrid();

    // Number routines.
    std::string RowNumbersText(const platform::TStringGrid& grid) const;
    int AskNumber(int def, const std::string& caption, const std::string& prompt);
    std::optional<int> AskLastN(const std::string& caption,
                                core::LastNVariant variant = core::LastNVariant::Standard);
    std::optional<int> AskLastN(const std::string& caption, const std::string& prompt,
                                core::LastNVariant variant = core::LastNVariant::Standard);
    void ShowResult(core::CommandResult result);
    core::Lang Lang() const { return Language(); }

    // Board picture of five numbers.
    void DrawBoard(const std::uint8_t* numbers);

    // Language.
    void SetRussian();
    void SetEnglish();
    void RusEng2Click();
    void RusEng1Click();
    void ToggleLanguage(QAction* item);

    // Settings file.
    void ReadSettings();
    void WriteSettings();

    // Frame commands.
    void OpenCtrlO1Click();
    void Button_updateClick();
    void ExitCtrlX1Click();
    void About1Click();
    void Button_UtilsClick();
    void ToolbarButton97_fileClick();
    void ToolbarButton97_HelpClick();
    void Button_find_numbersClick();
    void UpDown1Click();
    void StringGrid1Click();
    void StringGrid1DblClick();

    // Commands.
    void Button_statClick();
    void Button_stat_duplesClick();
    void Button_AnyClick();
    void Button_Cold_numbersClick();
    void Button_triplesClick();
    void Button_Skip_strategyClick();
    void Button_NumbersClick();
    void Button_Freq_strategyClick();
    void Button_Match_in_drawsClick();
    void Button_freq_A1_A5Click();
    void Button_SeparationClick();
    void Button_centerClick();
    void Button_GroupsClick();
    void xpButton_Map_2Click();
    void Button_Average_Click();
    void Button_CharacterClick();
    void Button_CombinationsClick();
    void Button_deltaClick();
    void Button_mapClick();
    void Button_Check_sumClick();
    void Button_Numbers_in_past_drawsClick();
    void Button_ZoneClick();
    void Button_final_sum_of_numbersClick();
    void Button_PeriodClick();
    void Button_Freq_AnalyseClick();
    void Button_DifferenceClick();
    void xpButton_Rnd_TestClick();
    void Button_showClick();

    QPoint PopupPoint(const TToolbarButton97& button) const;

protected:
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void FormResize() override;
    void FormClose() override;
    void FormPaint(QPainter& painter) override;

private:
    void CreateControls();
    void CreateMenus();
    void FormCreate();
    TxpButton* CommandButton(const char* caption, int x, int y, void (TForm1::*handler)(),
                             int width = 128);

    const core::Edition& edition_ = core::Edition5x36;
};

extern TForm1* Form1;
