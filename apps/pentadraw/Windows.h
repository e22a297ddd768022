#pragma once

#include <memory>

class TForm1;
class TForm_memo;
class TForm_Display;
class TForm_Utils;
class TForm_StringGrid;
class TForm_graph2;
class TForm_high;
class TForm_map_2;

// Every window of the program, created once in the program's order and set as the form
// instances the units address; destroyed in reverse order.
class PentadrawWindows {
public:
    PentadrawWindows();
    ~PentadrawWindows();
    PentadrawWindows(const PentadrawWindows&) = delete;
    PentadrawWindows& operator=(const PentadrawWindows&) = delete;

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm_memo> memo;
    std::unique_ptr<TForm_Display> display;
    std::unique_ptr<TForm_Utils> utils;
    std::unique_ptr<TForm_StringGrid> stringGrid;
    std::unique_ptr<TForm_graph2> graph2;
    std::unique_ptr<TForm_high> high;
    std::unique_ptr<TForm_map_2> map2;
};
