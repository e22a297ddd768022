#include "components/chart/KerfGraph.h"
