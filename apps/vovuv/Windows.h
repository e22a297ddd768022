#pragma once

#include "apps/shared/FormInstance.h"

class TForm1;
class TForm_memo;
class TForm_graph;
class TForm_graph2;
class TForm_Display;
class TForm_Utils;
class TForm_StringGrid;
class TForm_settings;

// Every window of the program, created once in the program's order and set as the form
// instances the units address; destroyed in reverse order.
class VovuvWindows {
public:
    VovuvWindows();
    ~VovuvWindows();
    VovuvWindows(const VovuvWindows&) = delete;
    VovuvWindows& operator=(const VovuvWindows&) = delete;

    FormInstance<TForm1> form1;
    FormInstance<TForm_memo> memo;
    FormInstance<TForm_graph> graph;
    FormInstance<TForm_graph2> graph2;
    FormInstance<TForm_Display> display;
    FormInstance<TForm_Utils> utils;
    FormInstance<TForm_StringGrid> stringGrid;
    FormInstance<TForm_settings> settings;
};
