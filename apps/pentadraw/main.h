#pragma once

#include "apps/shared/MainForm.h"

class TRndTestRun;

// The main window of the 5-of-36 edition: the shared main window with each draw's number and
// date as the file wrote them, Center, Difference, Groups, Map 2, RND Test and the HighLighter.
class TForm1 : public TMainForm {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    void ShowHighlighter() override;

    // The random test searching in slices; owned here so it ends with the window.
    TRndTestRun* RndTest;

    TxpButton* Button_Any;
    TxpButton* Button_freq_A1_A5;
    TxpButton* Button_center;
    TxpButton* Button_Groups;
    TxpButton* xpButton_Map_2;
    TxpButton* Button_Difference;
    TxpButton* xpButton_Rnd_Test;

    // Language.
    void RusEng2Click();
    void RusEng1Click();
    void ToggleLanguage(QAction* item);

    // Frame commands.
    void OpenCtrlO1Click() { OpenDrawFile(); }
    void Button_updateClick();
    void ExitCtrlX1Click();
    void ToolbarButton97_fileClick() override;
    void ToolbarButton97_HelpClick() override;

    // Commands only this edition has, and its names of the shared ones.
    void Button_AnyClick() { FilterAnyClick(); }
    void Button_freq_A1_A5Click() { FreqA1Click(); }
    void Button_centerClick();
    void Button_GroupsClick();
    void xpButton_Map_2Click();
    void Button_DifferenceClick();
    void xpButton_Rnd_TestClick();

protected:
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void ApplyLanguage(core::Lang lang) override;
    void OpenClick() override { OpenCtrlO1Click(); }
    // The pop-up's item carries the language here, and the settings file stores it.
    QAction* LanguageItem() const override { return PopupFileItem(2); }

private:
    void CreateControls();
    void CreateMenus();
    void FormCreate();
};

extern TForm1* Form1;
