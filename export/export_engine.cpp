#include "export/export_engine.h"
