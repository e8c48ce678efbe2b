// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/faults.h"

namespace kasnak {

const char* FaultMessage(FaultKind kind) {
  switch (kind) {
    case FaultKind::Overflow:
      return "Taşma: bir değer hesaplanamayacak kadar büyük.";
    case FaultKind::DivisionByZero:
      return "Sıfıra bölme: bir değer 0 olduğu için hesap yapılamıyor.";
    case FaultKind::InvalidArgument:
      return "Geçersiz işlem: bu değerlerle hesap yapılamıyor.";
  }
  return "Taşma: bir değer hesaplanamayacak kadar büyük.";
}

}  // namespace kasnak
