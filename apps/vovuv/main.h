#pragma once

#include "apps/shared/MainForm.h"

class QMenuBar;

// The main window of the 6-of-45 edition: the shared main window with its menu bar, Help,
// Settings, the login for the update, Prognosis and the three hidden group commands.
class TForm1 : public TMainForm {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    QMenuBar* MainMenu1;
    TxpButton* Button_Filter;
    TxpButton* Button_Prognosis;
    TxpButton* Button_freq_A1_A6;
    TxpButton* Button_Spans_graph;
    TxpButton* Button_band;
    TxpButton* Button_Sort_by_groups;

    // Frame commands.
    void Open1Click();
    void Button_OpenClick();
    void Update1Click();
    void Button_updateClick();
    void UpdateDrawFile();
    void CheckVersion();
    void Settings1Click();
    void Exit1Click();
    void Help2Click();
    void ToolbarButton97_fileClick() override;
    void ToolbarButton97_HelpClick() override;
    void DropMenu(TToolbarButton97& button, QMenu& menu);

    // Commands only this edition has, and its names of the shared ones.
    void Button_freq_A1_A6Click() { FreqA1Click(); }
    void Button_FilterClick() { FilterAnyClick(); }
    void Button_PrognosisClick();
    void Button_Spans_graphClick();
    void Button_bandClick();
    void Button_Sort_by_groupsClick();

protected:
    void FormClose() override;
    void ApplyLanguage(core::Lang lang) override;

private:
    void CreateControls();
    void CreateMenus();
    void FormCreate();
};

extern TForm1* Form1;
