#pragma once

#include "apps/shared/FormInstance.h"

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

    FormInstance<TForm1> form1;
    FormInstance<TForm_memo> memo;
    FormInstance<TForm_Display> display;
    FormInstance<TForm_Utils> utils;
    FormInstance<TForm_StringGrid> stringGrid;
    FormInstance<TForm_graph2> graph2;
    FormInstance<TForm_high> high;
    FormInstance<TForm_map_2> map2;
};
