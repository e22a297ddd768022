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

    // Frame commands.
    void OpenCtrlO1Click() { OpenDrawFile(); }
    void Button_updateClick();
    void ExitCtrlX1Click();
    // No help file comes with this edition: its Help item does nothing.
    void Help1Click() {}
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

private:
    void CreateControls();
    void CreateMenus();
    void FormCreate();
};

extern TForm1* Form1;
