// SPDX-License-Identifier: GPL-3.0-or-later
// The model's UTF-8 texts as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace kasnak {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kasnak
