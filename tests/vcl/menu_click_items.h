// Menu items for tests of the menu loop: each click records its caption.
#pragma once

#include <string>
#include <vector>

#include "menus.h"

inline TMenuItem* AddClickItem(TComponent* owner, TMenuItem* parent, const char* caption,
                               std::vector<std::string>& clicked) {
  auto* item = TObject::Create<TMenuItem>(owner);
  item->SetCaption(caption);
  item->OnClick = [&clicked, caption](TObject*) { clicked.push_back(caption); };
  parent->Add(item);
  return item;
}
