#pragma once
#include "form_view.h"

// The left page of the games menu: the games picture with the version.
class TGamesPicture : public TFormView {
  public:
    ~TGamesPicture() override;
    void Load() override;
    void Unload() override;
};
