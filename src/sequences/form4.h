#pragma once

#include "shell/forms.h"

namespace vorlinde {

class Form4 : public Form {
 public:
  explicit Form4(FormRegistry& registry);
};

}  // namespace vorlinde
