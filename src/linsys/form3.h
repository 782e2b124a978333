#pragma once

#include "shell/forms.h"

namespace vorlinde {

class Form3 : public Form {
 public:
  explicit Form3(FormRegistry& registry);
};

}  // namespace vorlinde
