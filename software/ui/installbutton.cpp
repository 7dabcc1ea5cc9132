#include "installbutton.h"
