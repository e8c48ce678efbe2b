#include "catalogue/motor.h"

namespace kasnak {

void RefreshMotor(Form1&) {}

void Combo1_Click(Form1& form) { RefreshMotor(form); }
void chkKompakt_Click(Form1& form) { RefreshMotor(form); }
void chk4kutup_Click(Form1& form) { RefreshMotor(form); }

}  // namespace kasnak
