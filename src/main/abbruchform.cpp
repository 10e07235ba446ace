#include "abbruchform.h"
