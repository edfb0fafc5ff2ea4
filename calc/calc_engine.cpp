#include "calc/calc_engine.h"
