#include "drive/calculate.h"

namespace kasnak {

void Command1_Click(Form1&) {}

void chkC2_Click(Form1& form) { Command1_Click(form); }

Single ArcCosDeg(const Form1&, Single x) { return x; }

void SetLengthFactor(Form1&) {}

}  // namespace kasnak
