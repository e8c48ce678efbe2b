// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the screen they run on, and readable Qt
// strings in failure messages.
#pragma once

#include <QString>
#include <ostream>

namespace kasnak {

// The logical dpi the tests were started for (--screen-dpi=N), 0 when none
// was asked for.
int ExpectedDpi();

}  // namespace kasnak

// GoogleTest prints a QString as its text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
