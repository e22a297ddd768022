#pragma once

#include "apps/shared/EditionHost.h"
#include "apps/shared/Site.h"
#include "apps/shared/SiteTransfer.h"
#include "core/CommandResult.h"
#include "core/DrawFile.h"
#include "core/DrawStore.h"
#include "core/Edition.h"
#include "core/Game.h"
#include "core/NumberRoutines.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

#include "apps/shared/FindEdit.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMenu;
class QMenuBar;
class QAction;
class TUpDown;
class TxpButton;
class TxpWindow;
class TToolbarButton97;
namespace platform {
class TStringGrid;
}

// The main window of the 6-of-45 edition: the draw store, the grid of draws, the ticket
// picture and the command buttons.
class TForm1 : public platform::TForm, public EditionHost {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // EditionHost
    bool IsRussian() const override { return RussianUI; }
    const core::DrawStore& Store() const override { return Draws; }
    const core::Game& GameRules() const override { return game_; }
    const core::Edition& EditionRules() const override { return core::Edition6x45; }
    const platform::TBitmap* TicketPicture(const std::string& numbersText) override;

    // The store and its file.
    core::DrawStore Draws;
    int& DrawCount = Draws.DrawCount;
    std::string DrawFileName;
    bool RussianUI = false;
    bool FirstPaint = false;
    std::unique_ptr<platform::TBitmap> BoardBitmap;
    std::string UserLogin;
    std::string UserPassword;
    // The site transfers; its client is the one of the transfer in progress.
    SiteTransfer Transfer{this};
    std::unique_ptr<THttpCli>& HttpClient = Transfer.client;
    // Where the update fetches its files; tests point it at their own server.
    std::string SiteRoot = kSiteRoot;

    // Controls.
    TxpWindow* xpWindow1;
    TToolbarButton97* ToolbarButton97_file;
    TToolbarButton97* ToolbarButton97_Help;
    TFindEdit* Edit_find;
    TxpButton* Button_find_numbers;
    TUpDown* UpDown1;
    platform::TStringGrid* StringGrid1;
    QMenuBar* MainMenu1;
    QMenu* MenuFile;
    QMenu* MenuHelp;
    QMenu* PopupMenu_File;
    QMenu* PopupMenu_Help;

    TxpButton* Button_stat;
    TxpButton* Button_stat_duples;
    TxpButton* Button_Filter;
    TxpButton* Button_Cold_numbers;
    TxpButton* Button_Prognosis;
    TxpButton* Button_triples;
    TxpButton* Button_Skip_strategy;
    TxpButton* Button_Numbers;
    TxpButton* Button_Freq_strategy;
    TxpButton* Button_Match_in_draws;
    TxpButton* Button_freq_A1_A6;
    TxpButton* Button_Separation;
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
    TxpButton* Button_show;
    TxpButton* Button_Spans_graph;
    TxpButton* Button_band;
    TxpButton* Button_Sort_by_groups;

    // Menu items by position, as the commands address them.
    QAction* MainFileItem(int index) const;
    QAction* MainHelpItem(int index) const;
    QAction* PopupFileItem(int index) const;
    QAction* PopupHelpItem(int index) const;

    // Store and file.
    void GetDraw(core::Draw& dest, int index) const { Draws.GetDraw(dest, index); }
    void PutDraw(const core::Draw& src, int index) { Draws.PutDraw(src, index); }
    static bool IsDrawLine(const std::string& line) { return core::IsDrawLine(line, 6); }
    // Loads a draw file (full path); false when it could not be read (the user was told).
    bool LoadDrawFile(const std::string& fileName);
    // Fills the grid from the store.
    void FillGrid();

    // Number routines.
    std::string RowNumbersText(const platform::TStringGrid& grid) const;
    int AskNumber(int def, const std::string& caption, const std::string& prompt);
    // The last-N prompt with the standard prompt text; nothing when the answer was unusable
    // (the user was told).
    std::optional<int> AskLastN(const std::string& caption,
                                core::LastNVariant variant = core::LastNVariant::Standard);
    std::optional<int> AskLastN(const std::string& caption, const std::string& prompt,
                                core::LastNVariant variant = core::LastNVariant::Standard);
    // Shows a command's text, then its charts, each after the previous window closed.
    // The result's lines are moved into the text window.
    void ShowResult(core::CommandResult result);
    core::Lang Lang() const { return Language(); }

    // Board picture.
    void DrawBoard(const std::string& numbersText);

    // Language.
    void SetRussian();
    void SetEnglish();
    void RusEng1Click();

    // Settings file.
    void ReadSettings();
    void WriteSettings();

    // Frame commands.
    void Open1Click();
    void Button_OpenClick();
    void Update1Click();
    void Button_updateClick();
    void UpdateDrawFile();
    void CheckVersion();
    void Settings1Click();
    void Exit1Click();
    void About1Click();
    void Help2Click();
    void Button_UtilsClick();
    void ToolbarButton97_fileClick();
    void ToolbarButton97_HelpClick();
    void Button_find_numbersClick();
    void UpDown1Click();
    void StringGrid1Click();
    void StringGrid1DblClick();

    // Commands.
    void Button_statClick();
    void Button_deltaClick();
    void Button_Average_Click();
    void Button_Cold_numbersClick();
    void Button_Numbers_in_past_drawsClick();
    void Button_freq_A1_A6Click();
    void Button_CharacterClick();
    void Button_Check_sumClick();
    void Button_ZoneClick();
    void Button_final_sum_of_numbersClick();
    void Button_PrognosisClick();
    void Button_Spans_graphClick();
    void Button_bandClick();
    void Button_Sort_by_groupsClick();
    void Button_triplesClick();
    void Button_NumbersClick();
    void Button_stat_duplesClick();
    void Button_Match_in_drawsClick();
    void Button_PeriodClick();
    void Button_CombinationsClick();
    void Button_Skip_strategyClick();
    void Button_Freq_strategyClick();
    void Button_Freq_AnalyseClick();
    void Button_FilterClick();
    void Button_SeparationClick();
    void Button_showClick();
    void Button_mapClick();

    // Where a toolbar pop-up opens: under its button, below the skinned caption.
    QPoint PopupPoint(const TToolbarButton97& button) const;
    void DropMenu(TToolbarButton97& button, QMenu& menu);

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
                             int width = 125);

    core::Game game_ = core::Game6x45;
    int resizes_ = 0;
};

extern TForm1* Form1;
