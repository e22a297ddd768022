#include "apps/vovuv/settings.h"

#include "apps/vovuv/main.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "core/BiText.h"
#include "platform/Dialogs.h"
#include "platform/TextFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProxyStyle>

TForm_settings* Form_settings = nullptr;

TSettingsLabel::TSettingsLabel(const char* caption, QWidget* parent) : QLabel(parent) {
    SetCaption(caption);
}

void TSettingsLabel::SetCaption(const std::string& caption) {
    setText(QString::fromStdString(caption));
    adjustSize();
}

void TSettingsLabel::SetColor(core::TColor color) {
    color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, platform::ToQColor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

void TSettingsLabel::SetFontColor(core::TColor color) {
    fontColor_ = color;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, platform::ToQColor(color));
    setPalette(p);
}

void TSettingsLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick();
}

void TSettingsLabel::mouseMoveEvent(QMouseEvent* event) {
    QLabel::mouseMoveEvent(event);
    if (OnMouseMove) OnMouseMove();
}

namespace {

// The password edit shows "*" for every character, whatever the desktop's style would.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The settings file keeps login and password in code page 1251, one per line.
bool Storable(const QString& text) {
    if (text.contains('\r') || text.contains('\n')) return false;
    bool lossy = false;
    platform::Utf8ToCp1251(text.toStdString(), &lossy);
    return !lossy;
}

} // namespace

TForm_settings::TForm_settings(TForm1& main, QWidget* parent) : TForm(parent), main_(main) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    SetCaption("Settings");
    xpWindow1 = new TxpWindow(this);
    QWidget* c = clientArea();

    Label1 = new TSettingsLabel("Login:", c);
    Label1->move(64, 24);
    Edit_login = new QLineEdit(c);
    Edit_login->setGeometry(112, 24, 161, 21);
    Label2 = new TSettingsLabel("Password:", c);
    Label2->move(56, 64);
    Edit_password = new QLineEdit(c);
    Edit_password->setGeometry(112, 64, 161, 21);
    auto* star = new StarPasswordStyle;
    star->setParent(this);
    Edit_password->setStyle(star);
    Edit_password->setEchoMode(QLineEdit::Password);
    CheckBox_hide = new QCheckBox("Hide", c);
    CheckBox_hide->move(280, 64);
    CheckBox_hide->adjustSize();
    CheckBox_hide->setChecked(true);
    connect(CheckBox_hide, &QCheckBox::toggled, this, [this] { CheckBox_hideClick(); });
    Label_visit = new TSettingsLabel("visit to VIP forum:", c);
    Label_visit->move(88, 120);
    Label_url = new TSettingsLabel(kForumPage, c);
    Label_url->move(88, 144);
    Label_url->setMouseTracking(true);
    Label_url->OnClick = [this] { Label_urlClick(); };
    Label_url->OnMouseMove = [this] { Label_urlMouseMove(); };
    Button_OK = new TxpButton(c);
    Button_OK->SetParentFont(false); // the buttons keep their own bold navy font
    Button_OK->setGeometry(96, 184, 75, 25);
    Button_OK->SetCaption("OK");
    Button_OK->OnClick = [this] { Button_OKClick(); };
    Button_cancel = new TxpButton(c);
    Button_cancel->SetParentFont(false); // the buttons keep their own bold navy font
    Button_cancel->setGeometry(232, 184, 75, 25);
    Button_cancel->SetCaption("Cancel");
    Button_cancel->OnClick = [this] { Button_cancelClick(); };

    PlaceCentred();
    FormCreate();
}

void TForm_settings::PlaceCentred() {
    // A dialog border: the client area keeps its size whatever frame the window gets.
    const QMargins m = FrameMargins();
    const int w = 392 + m.left() + m.right(), h = 224 + m.top() + m.bottom();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    SetBounds((ScreenWidth() - w) / 2, (ScreenHeight() - h) / 2, w, h);
    setFixedSize(size());
}

void TForm_settings::FormCreate() {
    const core::TColor color = xpWindow1->WinBackground.EndColor;
    Label1->SetColor(color);
    Label2->SetColor(color);
    checkBoxColor_ = color;
    QPalette p = CheckBox_hide->palette();
    p.setColor(QPalette::Window, platform::ToQColor(color));
    CheckBox_hide->setPalette(p);
    CheckBox_hide->setAutoFillBackground(true);
    Label_visit->SetColor(color);
    Label_url->SetColor(color);
}

void TForm_settings::FormShow() {
    // The frame is known by now (the main window has been shown).
    PlaceCentred();
    const core::Lang lang = main_.Language();
    Label1->SetCaption(core::BiText{"Логин:", "Login:"}(lang));
    Label2->SetCaption(core::BiText{"Пароль:", "Password:"}(lang));
    CheckBox_hide->setText(QString::fromUtf8(core::BiText{"Спрятать", "Hide"}(lang)));
    CheckBox_hide->adjustSize();
    SetCaption(core::BiText{"Настройки", "Settings"}(lang));
    Label_visit->SetCaption(core::BiText{"Посетите VIP форум:", "visit to VIP forum:"}(lang));
    Edit_login->setText(QString::fromStdString(main_.UserLogin));
    Edit_password->setText(QString::fromStdString(main_.UserPassword));
    Label_url->SetFontColor(core::clBlue);
}

void TForm_settings::CheckBox_hideClick() {
    Edit_password->setEchoMode(CheckBox_hide->isChecked() ? QLineEdit::Password
                                                          : QLineEdit::Normal);
}

void TForm_settings::Button_OKClick() {
    // What the settings file's code page cannot hold would come back altered; the dialog
    // stays open so the user can change it.
    if (!Storable(Edit_login->text()) || !Storable(Edit_password->text())) {
        platform::Dialogs().ShowMessage(core::BiText{
            "Логин и пароль могут содержать только латинские и русские буквы, цифры и знаки.",
            "The login and the password may hold only Latin and Cyrillic letters, digits "
            "and signs."}(main_.Language()));
        return;
    }
    main_.UserLogin = Edit_login->text().toStdString();
    main_.UserPassword = Edit_password->text().toStdString();
    close();
}

void TForm_settings::Button_cancelClick() {
    close();
}

void TForm_settings::Label_urlClick() {
    platform::Dialogs().ShellOpen(kForumPage);
}

void TForm_settings::Label_urlMouseMove() {
    Label_url->setCursor(Qt::PointingHandCursor);
}
