#include "form5.h"

TForm* Form5 = nullptr;
