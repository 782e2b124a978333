#include "equations/form2.h"

namespace vorlinde {

Form2::Form2(FormRegistry& registry)
    : Form(registry,
           {.name = "Form2", .caption = "解方程", .clientWidth = 4665, .clientHeight = 6375}) {}

}  // namespace vorlinde
