#pragma once

#include "apps/shared/MainForm.h"
#include "core/Lang.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <string>
#include <vector>

namespace testing_support {

// One menu as the user sees it after a switch: each item's text in both languages, nullptr
// for a separator, and which item carries the language check (-1: none).
struct MenuTexts {
    const char* name;
    QMenu* TMainForm::*menu;
    std::vector<core::BiText> items;
    int check = -1;
};

// Every row built has both texts and something to run.
inline void ExpectEveryRowComplete(const TMainForm& form) {
    ASSERT_FALSE(form.MenuItems().empty());
    for (const MenuEntry& e : form.MenuItems()) {
        const std::string item = e.action->text().toStdString();
        EXPECT_TRUE(e.text.russian && *e.text.russian) << item;
        EXPECT_TRUE(e.text.english && *e.text.english) << item;
        EXPECT_TRUE(e.run) << item;
    }
}

// After each switch every menu shows its texts of the language, the check shows Russian.
inline void ExpectMenusRelabel(TMainForm& form, const std::vector<MenuTexts>& menus) {
    for (const core::Lang lang : {core::Lang::Russian, core::Lang::English, core::Lang::Russian}) {
        if (lang == core::Lang::Russian)
            form.SetRussian();
        else
            form.SetEnglish();
        for (const MenuTexts& m : menus) {
            const QList<QAction*> actions = (form.*m.menu)->actions();
            ASSERT_EQ(actions.size(), static_cast<qsizetype>(m.items.size())) << m.name;
            for (int i = 0; i < actions.size(); ++i) {
                const core::BiText& t = m.items[static_cast<std::size_t>(i)];
                QAction* a = actions[i];
                if (!t.russian) {
                    EXPECT_TRUE(a->isSeparator()) << m.name << ' ' << i;
                    continue;
                }
                EXPECT_EQ(a->text().toStdString(), t(lang)) << m.name << ' ' << i;
                EXPECT_EQ(a->isCheckable(), i == m.check) << m.name << ' ' << i;
                if (i == m.check) {
                    EXPECT_EQ(a->isChecked(), lang == core::Lang::Russian) << m.name << ' ' << i;
                }
            }
        }
    }
}

} // namespace testing_support
