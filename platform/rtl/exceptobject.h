// The exception being handled, for handlers that log it (the original's
// ExceptObject and ExceptAddr).
//
// Inside a catch block these answer for the exception that block caught (the
// innermost one being handled, via std::current_exception); outside any
// handler they answer nullptr. An exception that is not of the class
// library's tree (a std::exception) gives nullptr as well.
#pragma once

#include "tobject.h"

TObject* ExceptObject();
// The original gives the code address of the raise; we have none to give, so
// inside a handler this is one fixed non-null value, outside it nullptr.
void* ExceptAddr();
