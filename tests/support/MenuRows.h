#pragma once

#include "apps/shared/MainForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include <string_view>
#include <vector>

namespace testing_support {

inline constexpr core::BiText kUpdateItem{"Обновить данные через Интернет", "Update"};
inline constexpr core::BiText kRusEngItem{"Rus/Eng", "Rus/Eng"};
inline constexpr core::BiText kSeparatorItem{nullptr, nullptr};
inline const std::vector<core::BiText> kHelpItems{{"Помощь", "&Help"}, {"О программе", "&About"}};

// One menu as the user sees it after a switch; the first menu's check carries the language.
struct MenuTexts {
    QMenu* TMainForm::*menu;
    std::vector<core::BiText> items;
    int check = -1; // -1: no item shows a check
};

// Every row built is in the menus, runs something, and the Update ones are the transfer's; each
// switch (the last by the hidden main Rus/Eng item) relabels every item and sets the checks.
inline void ExpectMenuRows(TMainForm& form, const std::vector<MenuTexts>& menus) {
    std::size_t rows = 0;
    for (const MenuTexts& m : menus)
        for (const core::BiText& t : m.items) rows += t.russian != nullptr;
    EXPECT_EQ(form.MenuItems().size(), rows);
    std::vector<QAction*> updates;
    for (const MenuEntry& e : form.MenuItems()) {
        EXPECT_TRUE(e.run) << e.text.english;
        if (e.text.english && e.text.english == std::string_view(kUpdateItem.english))
            updates.push_back(e.action);
    }
    EXPECT_EQ(std::vector<QAction*>(form.Transfer.items.begin(), form.Transfer.items.end()),
              updates);
    QAction* rusEng = (form.*menus[0].menu)->actions().value(menus[0].check);
    for (int step = 0; step < 3; ++step) {
        const core::Lang lang = step == 1 ? core::Lang::English : core::Lang::Russian;
        step == 0 ? form.SetRussian() : step == 1 ? form.SetEnglish() : rusEng->trigger();
        for (std::size_t k = 0; k < menus.size(); ++k) {
            const QList<QAction*> actions = (form.*menus[k].menu)->actions();
            ASSERT_EQ(actions.size(), static_cast<qsizetype>(menus[k].items.size())) << k;
            for (int i = 0; i < actions.size(); ++i) {
                const core::BiText& t = menus[k].items[static_cast<std::size_t>(i)];
                const bool check = i == menus[k].check;
                EXPECT_EQ(actions[i]->text().toStdString(), t.russian ? t(lang) : "") << k << i;
                EXPECT_EQ(actions[i]->isCheckable(), check) << k << i;
                EXPECT_EQ(actions[i]->isChecked(), check && lang == core::Lang::Russian) << k << i;
            }
        }
    }
}

} // namespace testing_support
