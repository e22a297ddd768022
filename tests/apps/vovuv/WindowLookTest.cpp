#include "apps/shared/Unit_memo.h"
#include "apps/shared/Unit_stringgrid.h"
#include "apps/shared/Unit_utils.h"
#include "apps/vovuv/settings.h"
#include "platform/Dialogs.h"
#include "platform/StringGrid.h"
#include "tests/apps/vovuv/VovuvTest.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using WindowLook = VovuvTest;

// The rightmost column of text pixels in each header section must stay inside the section.
TEST_F(WindowLook, MainGridHeadersFitTheirColumnsInBothLanguages) {
    Start("1 2 3 4 5 6\r\n");
    auto& grid = *form->StringGrid1;
    QHeaderView& header = *grid.horizontalHeader();
    form->show();
    for (bool russian : {false, true}) {
        russian ? form->SetRussian() : form->SetEnglish();
        QApplication::processEvents();
        const QImage image = header.grab().toImage();
        for (int col = 0; col < grid.ColCount(); ++col) {
            const std::string& text = grid.Cells(col, 0);
            if (text.empty()) continue;
            const int left = header.sectionViewportPosition(col);
            const int width = header.sectionSize(col);
            ASSERT_LE(left + width, image.width()) << text;
            int last = -1;
            // The section's own border is its last pixel column; text is darker than it.
            for (int x = 0; x < width - 1; ++x)
                for (int y = 0; y < image.height() - 1; ++y)
                    if (qGray(image.pixel(left + x, y)) < 100) last = x;
            EXPECT_GE(last, 0) << text << ": no text drawn";
            EXPECT_LT(last, width - 2)
                << '"' << text << "\" runs into its column's edge at " << width;
        }
    }
}

TEST_F(WindowLook, TitlesAreTheCaptionsAlone) {
    Start("1 2 3 4 5 6\r\n");
    // As the program block does.
    platform::SetApplicationTitle(form->Caption());
    // Qt appends an application display name of its own to every window title.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    windows->memo->ShowLines("Statistics", {});
    ASSERT_EQ(dialogs->modals.size(), 1u);
    EXPECT_EQ(dialogs->modals[0].caption, "Statistics");
    EXPECT_EQ(windows->memo->windowTitle().toStdString(), "Statistics");
}

} // namespace
