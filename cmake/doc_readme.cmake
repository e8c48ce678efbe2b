# SPDX-License-Identifier: GPL-3.0-or-later
# The README as installed in the doc folder, with no link that would break
# there: a picture stands as its caption in italics, a link to a file of the
# sources as its text.  Links to the web and within the README stay.
#   cmake -DIN=README.md -DOUT=FILE -P doc_readme.cmake
file(READ ${IN} text)
string(REGEX REPLACE "!\\[([^]]*)\\]\\([^)]*\\)" "*\\1*" text "${text}")
string(REGEX REPLACE "\\[([^]]*)\\]\\([^)#:]+\\)" "\\1" text "${text}")
file(WRITE ${OUT} "${text}")
