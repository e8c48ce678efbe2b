// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/faults.h"

namespace kasnak {

const char* FaultMessage(FaultKind kind) {
  switch (kind) {
    case FaultKind::Overflow:
      return "Taşma";
    case FaultKind::DivisionByZero:
      return "Sıfıra bölme";
    case FaultKind::InvalidArgument:
      return "Geçersiz bağımsız değişken";
  }
  return "Taşma";
}

}  // namespace kasnak
