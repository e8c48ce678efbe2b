#include "coupling/coupling.h"

namespace kasnak {

void Text11_Change(Form1&) {}

}  // namespace kasnak
