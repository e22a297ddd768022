#include "tests/apps/vovuv/VovuvTest.h"
#include "tests/support/Hints.h"

namespace {

class Hints : public VovuvTest {};

TEST_F(Hints, ComeFromTheRowsAtTheStartAndWithEachLanguage) {
    Start();
    const std::string stat = "Statistics - Most Frequently Numbers for all games";
    testing_support::CheckHints(
        *form,
        {"Double click to see graph", "Двойной клик по столбцу показывает соответствующий график",
         "Double click to see graph"},
        {{"Find",
          {"Find numbers in previous draws", "Искать номера в предыдущих розыгрышах",
           "Find numbers in previous draws"}},
         {"Statistics", {stat, stat, stat}},
         {"Stats duples", {"Duples", "Дубли", "Duples"}},
         {"Character", {"", "Характеристическое число", "Characteristic Number"}}});
}

} // namespace
