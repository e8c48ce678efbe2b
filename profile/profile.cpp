#include "profile/profile.h"

namespace kasnak {

void Option1_Click(Form1&, int) {}
void Text5_Change(Form1&) {}

}  // namespace kasnak
