#include "tests/apps/vovuv/VovuvTest.h"
#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "apps/vovuv/settings.h"
#include "components/skin/xpButton.h"
#include "components/skin/xpWindow.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

class SettingsDialogTest : public VovuvTest {
protected:
    void SetUp() override {
        Start();
        dlg = windows->settings.get();
    }

    // Shows the dialog through the main window's Settings item and lets the "user" act.
    void Show(std::function<void(TForm_settings&)> user) {
        dialogs->onModal = [user](platform::TForm& shown) {
            if (user) user(static_cast<TForm_settings&>(shown));
        };
        form->Settings1Click();
        dialogs->onModal = nullptr;
    }

    TForm_settings* dlg = nullptr;
};

TEST_F(SettingsDialogTest, Layout) {
    EXPECT_EQ(dlg->clientArea()->size(), QSize(392, 224));
    struct Place {
        const char* name;
        QWidget* w;
        QPoint at;
        QSize size;
    };
    const Place places[] = {
        {"Label1", dlg->Label1, {64, 24}, {}},
        {"Edit_login", dlg->Edit_login, {112, 24}, {161, 21}},
        {"Label2", dlg->Label2, {56, 64}, {}},
        {"Edit_password", dlg->Edit_password, {112, 64}, {161, 21}},
        {"CheckBox_hide", dlg->CheckBox_hide, {280, 64}, {}},
        {"Label_visit", dlg->Label_visit, {88, 120}, {}},
        {"Label_url", dlg->Label_url, {88, 144}, {}},
        {"Button_OK", dlg->Button_OK, {96, 184}, {75, 25}},
        {"Button_cancel", dlg->Button_cancel, {232, 184}, {75, 25}},
    };
    for (const auto& p : places) {
        EXPECT_EQ(p.w->parentWidget(), dlg->clientArea()) << p.name;
        EXPECT_EQ(p.w->pos(), p.at) << p.name;
        if (p.size.isValid()) {
            EXPECT_EQ(p.w->size(), p.size) << p.name;
        }
    }
    EXPECT_EQ(dlg->Caption(), "Settings");
    EXPECT_EQ(dlg->Button_OK->Caption(), "OK");
    EXPECT_EQ(dlg->Button_cancel->Caption(), "Cancel");
    EXPECT_EQ(dlg->Label_url->Caption(), kForumPage);
    EXPECT_TRUE(dlg->CheckBox_hide->isChecked());
    EXPECT_EQ(dlg->Edit_password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dlg->Edit_password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                     dlg->Edit_password),
              '*');
    // A dialog border: not resizable.
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
}

TEST_F(SettingsDialogTest, LabelsTakeTheWindowBackgroundsEndColour) {
    const core::TColor end = dlg->xpWindow1->WinBackground.EndColor;
    EXPECT_EQ(dlg->Label1->Color(), end);
    EXPECT_EQ(dlg->Label2->Color(), end);
    EXPECT_EQ(dlg->Label_visit->Color(), end);
    EXPECT_EQ(dlg->Label_url->Color(), end);
    EXPECT_EQ(dlg->CheckBoxColor(), end);
    EXPECT_EQ(platform::FromQColor(dlg->CheckBox_hide->palette().color(QPalette::Window)), end);
    EXPECT_EQ(platform::FromQColor(dlg->Label1->palette().color(QPalette::Window)), end);
}

TEST_F(SettingsDialogTest, ShowingSetsTheTextsOfTheLanguageAndTheEdits) {
    struct Case {
        bool russian;
        const char *caption, *login, *password, *hide, *visit;
    };
    const Case cases[] = {
        {false, "Settings", "Login:", "Password:", "Hide", "visit to VIP forum:"},
        {true, "Настройки", "Логин:", "Пароль:", "Спрятать", "Посетите VIP форум:"},
        {false, "Settings", "Login:", "Password:", "Hide", "visit to VIP forum:"},
    };
    form->UserLogin = "Иван";
    form->UserPassword = "pw";
    for (const auto& c : cases) {
        if (c.russian != (form->Language() == core::Lang::Russian)) form->ToggleLanguage();
        Show([&](TForm_settings& d) {
            EXPECT_EQ(d.Caption(), c.caption);
            EXPECT_EQ(d.Label1->Caption(), c.login);
            EXPECT_EQ(d.Label2->Caption(), c.password);
            EXPECT_EQ(d.CheckBox_hide->text().toStdString(), c.hide);
            EXPECT_EQ(d.Label_visit->Caption(), c.visit);
            EXPECT_EQ(d.Edit_login->text().toStdString(), "Иван");
            EXPECT_EQ(d.Edit_password->text().toStdString(), "pw");
            EXPECT_EQ(d.Label_url->FontColor(), core::clBlue);
            EXPECT_EQ(platform::FromQColor(d.Label_url->palette().color(QPalette::WindowText)),
                      core::clBlue);
            EXPECT_EQ(d.Button_OK->Caption(), "OK");
        });
        ASSERT_FALSE(dialogs->modals.empty());
        EXPECT_EQ(dialogs->modals.back().caption, c.caption);
    }
}

TEST_F(SettingsDialogTest, OkCopiesTheEdits) {
    Show([](TForm_settings& d) {
        d.Edit_login->setText("Пётр");
        d.Edit_password->setText("new pass");
        d.Button_OK->click();
    });
    EXPECT_EQ(form->UserLogin, "Пётр");
    EXPECT_EQ(form->UserPassword, "new pass");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SettingsDialogTest, CancelKeepsThePreviousLoginAndPassword) {
    form->UserLogin = "old";
    form->UserPassword = "secret";
    Show([](TForm_settings& d) {
        d.Edit_login->setText("changed");
        d.Edit_password->setText("changed too");
        d.Button_cancel->click();
    });
    EXPECT_EQ(form->UserLogin, "old");
    EXPECT_EQ(form->UserPassword, "secret");
    // The next showing brings back what the main window holds.
    Show([](TForm_settings& d) { EXPECT_EQ(d.Edit_login->text().toStdString(), "old"); });
}

TEST_F(SettingsDialogTest, OkRefusesWhatTheFileCannotHold) {
    struct Case {
        const char *login, *password;
    };
    const Case cases[] = {{"日本", "pw"}, {"me", "pass😀"}, {"a\nb", "pw"}};
    for (const auto& c : cases) {
        form->UserLogin = "kept";
        form->UserPassword = "kept too";
        dialogs->messages.clear();
        Show([&](TForm_settings& d) {
            d.Edit_login->setText(QString::fromUtf8(c.login));
            d.Edit_password->setText(QString::fromUtf8(c.password));
            d.Button_OK->click();
        });
        SCOPED_TRACE(c.login);
        EXPECT_EQ(form->UserLogin, "kept");
        EXPECT_EQ(form->UserPassword, "kept too");
        EXPECT_EQ(dialogs->messages.size(), 1u);
    }
    // Cyrillic, Latin and signs of the code page pass.
    Show([](TForm_settings& d) {
        d.Edit_login->setText("Ёлка-2 №5 «ок»");
        d.Edit_password->setText("!@#$%^&*()_+ €");
        d.Button_OK->click();
    });
    EXPECT_EQ(form->UserLogin, "Ёлка-2 №5 «ок»");
    EXPECT_EQ(form->UserPassword, "!@#$%^&*()_+ €");
}

TEST_F(SettingsDialogTest, HideTogglesThePasswordCharacter) {
    dlg->CheckBox_hide->click();
    EXPECT_FALSE(dlg->CheckBox_hide->isChecked());
    EXPECT_EQ(dlg->Edit_password->echoMode(), QLineEdit::Normal);
    dlg->CheckBox_hide->click();
    EXPECT_EQ(dlg->Edit_password->echoMode(), QLineEdit::Password);
}

TEST_F(SettingsDialogTest, TheAddressOpensThroughTheShellWithAHandCursor) {
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, dlg->Label_url->mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dlg->Label_url, &move);
    EXPECT_EQ(dlg->Label_url->cursor().shape(), Qt::PointingHandCursor);

    QMouseEvent press(QEvent::MouseButtonPress, at, dlg->Label_url->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, dlg->Label_url->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(dlg->Label_url, &press);
    QApplication::sendEvent(dlg->Label_url, &release);
    ASSERT_EQ(dialogs->opened.size(), 1u);
    EXPECT_EQ(dialogs->opened[0], kForumPage);
    EXPECT_NE(std::string(kForumPage).find("vovuv.example"), std::string::npos);
}

TEST_F(SettingsDialogTest, WhatOkCopiedIsWrittenWhenTheMainWindowCloses) {
    Show([](TForm_settings& d) {
        d.Edit_login->setText("Иван");
        d.Edit_password->setText("pw");
        d.Button_OK->click();
    });
    EXPECT_FALSE(std::filesystem::exists(dir.file("settings_6x45.ini")));
    form->close();
    const std::string text = dir.read("settings_6x45.ini");
    EXPECT_NE(text.find("\r\n\xC8\xE2\xE0\xED\r\npw\r\n"), std::string::npos);
}

} // namespace
