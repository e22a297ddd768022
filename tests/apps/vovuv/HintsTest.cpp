#include "platform/StringGrid.h"
#include "tests/apps/vovuv/VovuvTest.h"
#include "tests/support/Hints.h"

namespace {

class Hints : public VovuvTest {};

TEST_F(Hints, ComeFromTheRowsAtTheStartAndWithEachLanguage) {
    Start();
    using testing_support::ButtonOf;
    const std::vector<testing_support::HintRow<TForm1>> rows = {
        {"Find", ButtonOf(&TForm1::Button_find_numbers), "Find numbers in previous draws",
         "Искать номера в предыдущих розыгрышах", "Find numbers in previous draws"},
        {"grid", [](TForm1& f) { return f.StringGrid1; }, "Double click to see graph",
         "Двойной клик по столбцу показывает соответствующий график", "Double click to see graph"},
        {"Statistics", ButtonOf(&TForm1::Button_stat),
         "Statistics - Most Frequently Numbers for all games",
         "Statistics - Most Frequently Numbers for all games",
         "Statistics - Most Frequently Numbers for all games"},
        {"Stats duples", ButtonOf(&TForm1::Button_stat_duples), "Duples", "Дубли", "Duples"},
        {"Character", ButtonOf(&TForm1::Button_Character), "", "Характеристическое число",
         "Characteristic Number"},
    };
    testing_support::CheckHints(*form, rows);
}

} // namespace
