#include "countdown/time_text.h"
