#include "linsys/form3.h"

namespace vorlinde {

Form3::Form3(FormRegistry& registry)
    : Form(registry, {.name = "Form3",
                      .caption = "解线性方程组",
                      .clientWidth = 4920,
                      .clientHeight = 3615,
                      .icon = "grid"}) {}

}  // namespace vorlinde
