#include "platform/StringGrid.h"
#include "tests/apps/pentadraw/PentadrawTest.h"
#include "tests/support/Hints.h"

namespace {

class Hints : public PentadrawTest {};

TEST_F(Hints, ComeFromTheRowsAtTheStartAndWithEachLanguage) {
    Start();
    using testing_support::ButtonOf;
    const std::vector<testing_support::HintRow<TForm1>> rows = {
        {"Find", ButtonOf(&TForm1::Button_find_numbers), "",
         "Искать номера в предыдущих розыгрышах", "Find numbers in previous draws"},
        {"grid", [](TForm1& f) { return f.StringGrid1; }, "", "", ""},
        {"Statistics", ButtonOf(&TForm1::Button_stat),
         "Statistics - Most Frequently Numbers for all games",
         "Statistics - Most Frequently Numbers for all games",
         "Statistics - Most Frequently Numbers for all games"},
        {"Stats duples", ButtonOf(&TForm1::Button_stat_duples), "Duples", "Дубли", "Duples"},
    };
    testing_support::CheckHints(*form, rows);
}

} // namespace
