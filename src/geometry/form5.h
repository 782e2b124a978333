#pragma once

#include "shell/forms.h"

namespace vorlinde {

class Form5 : public Form {
 public:
  explicit Form5(FormRegistry& registry);
};

}  // namespace vorlinde
