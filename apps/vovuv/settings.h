#pragma once

#include "platform/Colors.h"
#include "platform/Form.h"

#include <QLabel>

#include <functional>

class TForm1;
class TxpWindow;
class TxpButton;
class QCheckBox;
class QLineEdit;

// The forum page the settings dialog points to.
inline constexpr const char* kForumPage = "http://forum.vovuv.example/vip/";

// A label with the click and mouse-move events the dialog's address label needs.
class TSettingsLabel : public QLabel {
    Q_OBJECT

public:
    explicit TSettingsLabel(const char* caption, QWidget* parent);

    void SetCaption(const std::string& caption);
    std::string Caption() const { return text().toStdString(); }
    // The background; FontColor colours the text.
    void SetColor(core::TColor color);
    core::TColor Color() const { return color_; }
    void SetFontColor(core::TColor color);
    core::TColor FontColor() const { return fontColor_; }

    std::function<void()> OnClick;
    std::function<void()> OnMouseMove;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    core::TColor color_ = core::clBtnFace;
    core::TColor fontColor_ = core::clWindowText;
};

// The settings dialog: the forum login and password, kept by the main window and written to
// the settings file when the program ends.
class TForm_settings : public platform::TForm {
    Q_OBJECT

public:
    explicit TForm_settings(TForm1& main, QWidget* parent = nullptr);

    TxpWindow* xpWindow1;
    TSettingsLabel* Label1;
    QLineEdit* Edit_login;
    TSettingsLabel* Label2;
    QLineEdit* Edit_password;
    QCheckBox* CheckBox_hide;
    TSettingsLabel* Label_visit;
    TSettingsLabel* Label_url;
    TxpButton* Button_OK;
    TxpButton* Button_cancel;

    void CheckBox_hideClick();
    void Button_OKClick();
    void Button_cancelClick();
    void Label_urlClick();
    void Label_urlMouseMove();

    // The colour of the check box's background (the labels' colour).
    core::TColor CheckBoxColor() const { return checkBoxColor_; }

protected:
    void FormShow() override;

private:
    void FormCreate();
    void PlaceCentred();

    TForm1& main_;
    core::TColor checkBoxColor_ = core::clBtnFace;
};

extern TForm_settings* Form_settings;
