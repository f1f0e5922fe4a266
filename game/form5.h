// The module exports six form variables, Form1 to Form6, each from its form's
// unit. Number 5 names no form of the game: its variable is there, and stays
// nil, so that whoever looks the six up finds them all.
#pragma once

#include "forms.h"

extern TForm* Form5;
