#pragma once

#include "core/DrawStore.h"
#include "core/Lang.h"
#include "core/Shuffle.h"
#include "platform/Form.h"
#include "platform/Memo.h"

#include <QRect>

#include <optional>
#include <string>

class EditionHost;
class TxpButton;
class TxpWindow;
class QCheckBox;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QTimer;

// The utilities window of both editions (their differences are the host's UtilsRules): number-list
// tools, two generators driven by the user's timing, a word shuffler, the combination of a given
// rank, the editable draw list, the ticket-picture export and the binary draw file reader.
class TForm_Utils : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_Utils(EditionHost& host, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit_in_1;
    QLabel* Label2;
    QLineEdit* Edit_in_2;
    QLabel* Label3;
    QLineEdit* Edit_Result;
    QLabel* Label_count;
    TxpButton* Button_Remove;
    TxpButton* Button_Combine;
    QGroupBox* GroupBox1;
    TxpButton* Button_export;
    QCheckBox* CheckBox_Merge;
    QGroupBox* GroupBox2;
    TxpButton* Button_Start;
    TxpButton* Button_Generate;
    QLineEdit* Edit_Random;
    QGroupBox* GroupBox3;
    TxpButton* Button_Start_nonlinear;
    TxpButton* Button_generate_nonlinear;
    QLineEdit* Edit_Random_nonlinear;
    QGroupBox* GroupBox4;
    TxpButton* Button_shuffle;
    QLineEdit* Edit_shuffle;
    QGroupBox* GroupBox5 = nullptr; // only where the edition has the box
    QLineEdit* Edit_combinations_in = nullptr;
    TxpButton* Button_combinations = nullptr;
    QLineEdit* Edit_combinations_out = nullptr;
    TxpButton* xpButton_Highlighter = nullptr;
    TxpButton* Button_Reverse;
    TxpButton* Button_Sort;
    QCheckBox* CheckBox_ascend;
    platform::TMemo* Memo1;
    TxpButton* Button_Save;
    TxpButton* Button_Open_binary_file;
    QTimer* Timer1;
    QTimer* Timer2_nonlinear;
    TxpWindow* xpWindow1;

    int RandomCounter = 0;
    int NonlinearCounter = 0;
    // The program's one pseudo-random generator; only Shuffle seeds it.
    core::RandomGenerator Random;
    // Where the save dialog opens; set at creation when draws are loaded.
    std::string SaveDialogInitialDir;

    void Button_RemoveClick();
    void Button_CombineClick();
    void Button_StartClick();
    void Timer1Timer();
    void Button_GenerateClick();
    void Button_Start_nonlinearClick();
    void Timer2_nonlinearTimer();
    void Button_generate_nonlinearClick();
    void Button_shuffleClick();
    void Button_combinationsClick();
    void Button_ReverseClick();
    void Button_SortClick();
    void Button_SaveClick();
    void Button_exportClick();
    void Button_Open_binary_fileClick();
    void xpButton_HighlighterClick();

protected:
    void FormShow() override;
    void FormResize() override;
    void FormClose() override;

private:
    // The window's controls at the stored layout's places, box by box.
    void CreateControls();
    void CreateListTools();
    void CreateExportBox();
    void CreateGenerators();
    void CreateShuffleAndCombinations();
    void CreateDrawList();
    void CreateTimers();
    TxpButton* AddButton(QWidget* parent, const std::string& caption, QRect r,
                         void (TForm_Utils::*handler)());
    void FormCreate();
    void ShowResultList(const std::vector<int>& numbers);
    // Runs the export over the draws as they were at its start, its texts in l; the caller
    // enables the button again whatever happened.
    void ExportPictures(const core::DrawStore& draws, int count, bool merge, core::Lang l);
    // Saves a ticket picture in the program folder under a free name; when it could not, the
    // message naming the file and the reason, for the caller to show once its box is gone.
    std::optional<std::string> SavePicture(const QImage& picture, const std::string& name,
                                           core::Lang l);

    bool exporting_ = false;
    bool stopExport_ = false;

    EditionHost& host_;
};

extern TForm_Utils* Form_Utils;
