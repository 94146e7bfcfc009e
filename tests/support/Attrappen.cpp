#include "Attrappen.h"
