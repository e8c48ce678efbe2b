#include "coupling/coupling.h"

namespace kasnak {

void Combo2_Click(Form1&) {}
void Combo3_Click(Form1&) {}
void Text2_Change(Form1&) {}
void CheckProfileLimits(Form1&) {}

}  // namespace kasnak
