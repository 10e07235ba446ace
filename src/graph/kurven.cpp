#include "kurven.h"
