#include "factor/factor_engine.h"
