#pragma once

#include "apps/shared/EditionHost.h"
#include "apps/shared/EditionBundle.h"
#include "apps/shared/FindEdit.h"
#include "apps/shared/Site.h"
#include "apps/shared/SiteTransfer.h"
#include "components/skin/xpButton.h"
#include "core/BiText.h"
#include "core/CommandResult.h"
#include "core/DrawFile.h"
#include "core/DrawStore.h"
#include "core/Lang.h"
#include "core/NumberRoutines.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

#include <QAction>
#include <QKeyCombination>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

class QMenu;
class TUpDown;
class TxpWindow;
class TToolbarButton97;
namespace platform {
class TStringGrid;
}

// A control's hint (tooltip): the one it starts with, and the one each language gives it.
struct Hint {
    const char* start = nullptr;         // nullptr: none until a language gives one
    core::BiText text{nullptr, nullptr}; // {nullptr, nullptr}: the language leaves it alone
};

// Where an edition's main window differs in looks, as data.
struct MainWindowLook {
    int findBoxX;             // the Find box, at y 6
    int findX, findY;         // the Find button
    int findHeight;           //
    core::BiText findCaption; // the Find button's caption in each language
    Hint findHint;            // the Find button's
    int gridTop;              // until the first resize
    Hint gridHint;            // the grid's
    int labelWidth;           // the grid's second column
    bool skinFixedColor;      // fixed cells in the skin's colour instead of $C0C0C0
    int commandWidth;         // of a command button, unless its row says otherwise
    int boardTop;             // where the ticket picture is shown
    bool tagInLime;           // the tag on the first picture: lime, or the canvas's colour
    bool findFollowsNewDraw;  // a loaded file puts its newest draw into the Find box
};

// What a command button is called, what its hint says and what it runs; where it sits is each
// window's own.
template <class Form> struct CommandName {
    CommandName(TxpButton* Form::*b, const char* start, core::BiText texts, void (Form::*h)(),
                Hint tip = {})
        : button(b), startCaption(start), caption(texts), handler(h), hint(tip) {}
    // A command of the shared window serves the window derived from it.
    template <class Base>
    requires std::is_base_of_v<Base, Form> CommandName(const CommandName<Base>& c)
        : button(c.button), startCaption(c.startCaption), caption(c.caption), handler(c.handler),
          hint(c.hint) {}
    // The same command with a window's own hint.
    CommandName WithHint(Hint tip) const {
        CommandName c = *this;
        c.hint = tip;
        return c;
    }

    TxpButton* Form::*button;
    const char* startCaption;
    core::BiText caption; // {nullptr, nullptr}: the language leaves it alone
    void (Form::*handler)();
    Hint hint;
};

// One command button of a main window and its place.
template <class Form> struct MainCommand {
    CommandName<Form> name;
    int x, y;
    int width = 0; // 0: the look's command width
};

// One item of a main window's menu: what it says, what it runs, its key and its check. The
// menus are built from the rows and relabelled from them on a language switch.
template <class Form> struct MenuRow {
    const char* start; // until the first switch; nullptr: a separator
    core::BiText text; // after a switch
    void (Form::*handler)() = nullptr;
    QKeyCombination shortcut = Qt::Key_unknown; // the window's key for it; Key_unknown: none
    bool carriesLanguage = false;               // checked while the language is Russian
};

template <class Form> inline constexpr MenuRow<Form> MenuSeparator{nullptr, {nullptr, nullptr}};

class TMainForm;

// An item built from a menu row.
struct MenuEntry {
    QAction* action;
    core::BiText text;
    std::function<void()> run;
    void (TMainForm::*handler)(); // the row's, to find the items that run it
    QKeyCombination shortcut;
    bool carriesLanguage;
};

// What both editions' main windows share: the draw store and its file, the grid of draws,
// the ticket picture, the Find box, the menus' items and the commands both have.
class TMainForm : public platform::TForm, public EditionHost {
    Q_OBJECT

public:
    ~TMainForm() override;

    // EditionHost
    core::Lang Language() const override { return lang_; }
    const core::DrawStore& Store() const override { return Draws; }
    const platform::TBitmap* TicketPicture(const std::string& numbersText) override;

    // The store and its file.
    core::DrawStore Draws;
    int& DrawCount = Draws.DrawCount;
    // Draw number and date of each loaded record, where the edition's file carries them.
    std::vector<core::DrawLabel> Labels;
    std::string DrawFileName;
    bool FirstPaint = false;
    std::unique_ptr<platform::TBitmap> BoardBitmap;
    // The site transfer; its client is the one of the transfer in progress.
    SiteTransfer Transfer{this};
    std::unique_ptr<THttpCli>& HttpClient = Transfer.client;
    // Where the update fetches its files; tests point it at their own server.
    std::string SiteRoot = kSiteRoot;
    std::string UserLogin;
    std::string UserPassword;

    // Controls.
    TxpWindow* xpWindow1;
    TToolbarButton97* ToolbarButton97_file;
    TToolbarButton97* ToolbarButton97_Help;
    TFindEdit* Edit_find;
    TxpButton* Button_find_numbers;
    TUpDown* UpDown1;
    platform::TStringGrid* StringGrid1;
    QMenu* MenuFile;
    QMenu* MenuHelp;
    QMenu* PopupMenu_File;
    QMenu* PopupMenu_Help;

    TxpButton* Button_stat;
    TxpButton* Button_stat_duples;
    TxpButton* Button_Cold_numbers;
    TxpButton* Button_triples;
    TxpButton* Button_Skip_strategy;
    TxpButton* Button_Numbers;
    TxpButton* Button_Freq_strategy;
    TxpButton* Button_Match_in_draws;
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

    // Every menu item built, with the row it came from, in the order the menus were filled.
    std::span<const MenuEntry> MenuItems() const { return menuEntries_; }
    // The items of every menu that run a handler.
    template <class Form>
    std::vector<QPointer<QAction>> ItemsRunning(void (Form::*handler)()) const {
        std::vector<QPointer<QAction>> items;
        for (const MenuEntry& e : menuEntries_)
            if (e.handler == static_cast<void (TMainForm::*)()>(handler))
                items.emplace_back(e.action);
        return items;
    }

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
    // The last-N prompt with the standard prompt text; nothing when the answer was unusable
    // (the user was told).
    std::optional<int> AskLastN(const std::string& caption,
                                core::LastNVariant variant = core::LastNVariant::Standard);
    std::optional<int> AskLastN(const std::string& caption, const std::string& prompt,
                                core::LastNVariant variant = core::LastNVariant::Standard);
    // Shows a command's text, then its charts, each after the previous window closed.
    void ShowResult(core::CommandResult result);

    // The ticket picture of a draw's numbers, or of the numbers in a text.
    void DrawBoard(const std::uint8_t* numbers);
    void DrawBoard(const std::string& numbersText);

    // Language.
    void SetLanguage(core::Lang lang);
    void SetRussian() { SetLanguage(core::Lang::Russian); }
    void SetEnglish() { SetLanguage(core::Lang::English); }
    void ToggleLanguage();

    // Settings file: the window's place, the language and the site login.
    void ReadSettings();
    void WriteSettings();

    // Frame commands.
    void About1Click();
    void Button_UtilsClick();
    void Button_find_numbersClick();
    void UpDown1Click();
    void StringGrid1Click();
    void StringGrid1DblClick();
    virtual void ToolbarButton97_fileClick() = 0;
    virtual void ToolbarButton97_HelpClick() = 0;

    // The commands both editions have.
    void Button_statClick();
    void Button_deltaClick();
    void Button_Average_Click();
    void Button_Cold_numbersClick();
    void Button_Numbers_in_past_drawsClick();
    void Button_CharacterClick();
    void Button_Check_sumClick();
    void Button_ZoneClick();
    void Button_final_sum_of_numbersClick();
    void Button_triplesClick();
    void Button_NumbersClick();
    void Button_stat_duplesClick();
    void Button_Match_in_drawsClick();
    void Button_PeriodClick();
    void Button_CombinationsClick();
    void Button_Skip_strategyClick();
    void Button_Freq_strategyClick();
    void Button_Freq_AnalyseClick();
    void Button_SeparationClick();
    void Button_showClick();
    void Button_mapClick();
    // Frequency of A1 to the last position, and Filter Any, under each edition's name.
    void FreqA1Click();
    void FilterAnyClick();

    // Where a toolbar pop-up opens: under its button, below the skinned caption.
    QPoint PopupPoint(const TToolbarButton97& button) const;

protected:
    TMainForm(const EditionBundle& bundle, const MainWindowLook& look, QWidget* parent);

    // The controls both windows have, placed by the look; the Find button and the grid call
    // back into the handlers above.
    void CreateCommonControls();
    // The store, its file name and the ticket picture, empty.
    void OpenStore();
    // The grid's columns and headers, before the first load.
    void SetUpGrid();
    // The draw file beside the program, when there is one.
    void LoadStartFile();
    // Centred at the top of the screen, screen height - 20 high; setting the height resizes the
    // window there and then, before it is shown.
    void PlaceOnScreen();
    // The selected draw in the Find box, the first picture's tag, the toolbar's colour.
    void ShowStart();
    // A menu's items from its rows, in their order.
    template <class Form>
    void FillMenu(QMenu& menu, Form& form, std::span<const MenuRow<Form>> rows) {
        for (const MenuRow<Form>& row : rows) {
            if (!row.start) {
                AddSeparator(menu);
                continue;
            }
            std::function<void()> run;
            if (row.handler) run = [&form, h = row.handler] { (form.*h)(); };
            AddEntry(menu, row.start,
                     {nullptr, row.text, std::move(run),
                      static_cast<void (TMainForm::*)()>(row.handler), row.shortcut,
                      row.carriesLanguage});
        }
    }
    // Every command button of a table, in its order.
    template <class Form> void AddCommands(Form& form, std::span<const MainCommand<Form>> rows) {
        for (const MainCommand<Form>& r : rows) {
            const CommandName<Form>& n = r.name;
            TxpButton* b = CommandButton(n.startCaption, r.x, r.y, r.width, n.caption, n.hint);
            b->OnClick = [&form, h = n.handler] { (form.*h)(); };
            form.*n.button = b;
        }
    }
    // The window's own texts of a language, after the shared ones.
    virtual void ApplyLanguage(core::Lang) {}
    void OpenDrawFile();
    // Fetches the draw file from the site and loads it; true when it was saved.
    bool RunUpdate();

    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void FormResize() override;
    void FormClose() override;
    void FormPaint(QPainter& painter) override;

    const MainWindowLook& look_;

private:
    static void AddSeparator(QMenu& menu);
    void AddEntry(QMenu& menu, const char* start, MenuEntry entry);
    TxpButton* CommandButton(const char* caption, int x, int y, int width,
                             const core::BiText& texts, const Hint& hint);
    void AddHint(QWidget& control, const Hint& hint);
    void ApplySharedTexts(core::Lang lang);

    struct ButtonTexts {
        TxpButton* button;
        core::BiText texts;
    };
    std::vector<ButtonTexts> commandTexts_;
    struct HintTexts {
        QWidget* control;
        core::BiText texts;
    };
    std::vector<HintTexts> hintTexts_;
    std::vector<MenuEntry> menuEntries_;
    core::Lang lang_ = core::Lang::English;
};

// The command buttons both editions have, as both call them.
namespace shared_commands {
using M = TMainForm;
using Name = CommandName<M>;
// clang-format off
// Statistics keeps its hint in both languages.
inline const Name Stat{&M::Button_stat, "Statistics", {"Статистика", "Statistics"},
                       &M::Button_statClick,
                       {"Statistics - Most Frequently Numbers for all games", {nullptr, nullptr}}};
inline const Name StatDuples{&M::Button_stat_duples, "Stats duples",
                             {"Статистика дублей", "Stats duples"}, &M::Button_stat_duplesClick,
                             {"Duples", {"Дубли", "Duples"}}};
inline const Name ColdNumbers{&M::Button_Cold_numbers, "Cold numbers",
                              {"Холодные/Горячие", "Cold numbers"}, &M::Button_Cold_numbersClick};
inline const Name Triples{&M::Button_triples, "Triples", {"Тройки", "Triples"},
                          &M::Button_triplesClick};
inline const Name SkipStrategy{&M::Button_Skip_strategy, "Skip strategy",
                               {"Пропуски", "Skip strategy"}, &M::Button_Skip_strategyClick};
inline const Name Numbers{&M::Button_Numbers, "Numbers", {"Числа", "Numbers"},
                          &M::Button_NumbersClick};
inline const Name FreqStrategy{&M::Button_Freq_strategy, "Frequency strategy",
                               {"Статистика частоты", "Frequency strategy"},
                               &M::Button_Freq_strategyClick};
inline const Name MatchInDraws{&M::Button_Match_in_draws, "Match in draws",
                               {"Совпадения", "Match in draws"}, &M::Button_Match_in_drawsClick};
inline const Name Separation{&M::Button_Separation, "Separation", {"Сепарация", "Separation"},
                             &M::Button_SeparationClick};
inline const Name Average{&M::Button_probability, "Average", {"Среднее", "Average"},
                          &M::Button_Average_Click};
inline const Name Character{&M::Button_Character, "Character", {"Характер. число", "Character"},
                            &M::Button_CharacterClick};
inline const Name Combinations{&M::Button_Combinations, "Combinations",
                               {"Комбинации", "Combinations"}, &M::Button_CombinationsClick};
inline const Name Delta{&M::Button_delta, "Delta", {"Дельта", "Delta"}, &M::Button_deltaClick};
inline const Name Map{&M::Button_map, "Map", {"Карта", "Map"}, &M::Button_mapClick};
inline const Name CheckSum{&M::Button_Check_sum, "Check Sum", {"Суммы", "Check Sum"},
                           &M::Button_Check_sumClick};
inline const Name Frequency{&M::Button_Numbers_in_past_draws, "Frequency",
                            {"Частота", "Frequency"}, &M::Button_Numbers_in_past_drawsClick};
inline const Name Zones{&M::Button_Zone, "Zones", {"Зоны", "Zones"}, &M::Button_ZoneClick};
inline const Name FinalSums{&M::Button_final_sum_of_numbers, "Final sum",
                            {"Конечные суммы", "Final sums"},
                            &M::Button_final_sum_of_numbersClick};
inline const Name Utils{&M::Button_Utils, "Utils", {"Утилиты", "Utils"}, &M::Button_UtilsClick};
inline const Name Period{&M::Button_Period, "Period", {"Период", "Period"},
                         &M::Button_PeriodClick};
inline const Name FreqAnalyse{&M::Button_Freq_Analyse, "Freq Analyse",
                              {"Частотный анализ", "Freq Analyse"}, &M::Button_Freq_AnalyseClick};
inline const Name Show{&M::Button_show, "Show", {"Таблица", "Show"}, &M::Button_showClick};
// clang-format on
} // namespace shared_commands
