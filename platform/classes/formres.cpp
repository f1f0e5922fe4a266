#include "formres.h"

#include <vector>

#include "component.h"
#include "reader.h"
#include "resources.h"
#include "streams.h"
#include "writer.h"

TComponent* ReadComponentFromStream(TStream* Stream, TComponent* Instance) {
  TReader reader(Stream);
  return reader.ReadRootComponent(Instance);
}

void WriteComponentToStream(TStream* Stream, TComponent* Instance) {
  TWriter writer(Stream);
  writer.WriteRootComponent(Instance);
}

TComponent* ReadComponentRes(const AnsiString& ResName, TComponent* Instance) {
  TResourceStream stream(nullptr, ResName.UpperCase(), RT_RCDATA);
  return ReadComponentFromStream(&stream, Instance);
}

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor) {
  std::vector<TClass> chain;
  for (TClass c = Instance->ClassType(); c && c != RootAncestor; c = c->Parent) chain.push_back(c);
  bool found = false;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const AnsiString resName = AnsiString((*it)->Name).UpperCase();
    if (!FindEmbeddedResource(("RCDATA/" + resName).str())) continue;
    ReadComponentRes(resName, Instance);
    found = true;
  }
  return found;
}
