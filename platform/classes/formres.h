// Components from and to streams, and the forms' resources: each form's
// binary stream is embedded as "RCDATA/<CLASSNAME>" (upper-case; see
// morvant_form in cmake/MorvantForm.cmake).
#pragma once

#include "ansistring.h"
#include "tobject.h"

class TComponent;
class TStream;

// A whole form stream into Instance (or a new component of the class it
// names when nullptr); returns the component read.
TComponent* ReadComponentFromStream(TStream* Stream, TComponent* Instance);
void WriteComponentToStream(TStream* Stream, TComponent* Instance);

// The resource "RCDATA/<ResName>" into Instance (nullptr: a new component);
// a missing resource raises EResNotFound.
TComponent* ReadComponentRes(const AnsiString& ResName, TComponent* Instance);

// What a form's constructor calls: reads the resources of Instance's class
// and of its ancestors up to, not including, RootAncestor (TForm, say),
// ancestors first. False when none of them has a resource.
bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);
