// The class library's exception tree. Each class is thrown by value and caught
// by reference; Message holds the text exactly as the raiser composed it.
#pragma once

#include <exception>

#include "ansistring.h"
#include "tobject.h"

class Exception : public TObject, public std::exception {
  MORVANT_CLASS(Exception, TObject)
 public:
  explicit Exception(const AnsiString& message) : Message(message) {}
  AnsiString Message;
  const char* what() const noexcept override { return Message.c_str(); }
};

#define MORVANT_EXCEPTION(Self, Base) \
  class Self : public Base {          \
    MORVANT_CLASS(Self, Base)         \
   public:                            \
    using Base::Base;                 \
  };

MORVANT_EXCEPTION(EAbort, Exception)
MORVANT_EXCEPTION(EConvertError, Exception)
MORVANT_EXCEPTION(EOutOfMemory, Exception)
MORVANT_EXCEPTION(EInvalidPointer, Exception)
MORVANT_EXCEPTION(EInvalidCast, Exception)
MORVANT_EXCEPTION(EInOutError, Exception)
MORVANT_EXCEPTION(EIntError, Exception)
MORVANT_EXCEPTION(EDivByZero, EIntError)
MORVANT_EXCEPTION(ERangeError, EIntError)
MORVANT_EXCEPTION(EMathError, Exception)
MORVANT_EXCEPTION(EInvalidOp, EMathError)
MORVANT_EXCEPTION(EExternal, Exception)
MORVANT_EXCEPTION(EAccessViolation, EExternal)
MORVANT_EXCEPTION(EOutOfResources, Exception)
MORVANT_EXCEPTION(EInvalidOperation, Exception)
MORVANT_EXCEPTION(EInvalidGraphic, Exception)
MORVANT_EXCEPTION(EInvalidGraphicOperation, Exception)
MORVANT_EXCEPTION(EListError, Exception)
MORVANT_EXCEPTION(EStringListError, EListError)
MORVANT_EXCEPTION(EStreamError, Exception)
MORVANT_EXCEPTION(EFileStreamError, EStreamError)
MORVANT_EXCEPTION(EFCreateError, EFileStreamError)
MORVANT_EXCEPTION(EFOpenError, EFileStreamError)
MORVANT_EXCEPTION(EFilerError, EStreamError)
MORVANT_EXCEPTION(EReadError, EFilerError)
MORVANT_EXCEPTION(EWriteError, EFilerError)
MORVANT_EXCEPTION(EClassNotFound, EFilerError)
MORVANT_EXCEPTION(EResNotFound, Exception)
MORVANT_EXCEPTION(EComponentError, Exception)
MORVANT_EXCEPTION(EThread, Exception)
MORVANT_EXCEPTION(ERegistryException, Exception)
MORVANT_EXCEPTION(EIniFileException, Exception)
