#include "hinweisfenster.h"
