#pragma once

#include "shell/forms.h"

namespace vorlinde {

class Form2 : public Form {
 public:
  explicit Form2(FormRegistry& registry);
};

}  // namespace vorlinde
