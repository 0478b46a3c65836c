# Writes a text file as Windows programs expect it, with CR LF line ends:
#   cmake -DIN=<file> -DOUT=<file> [-DGUIDE=ON] -P WindowsText.cmake
# GUIDE=ON turns README.md into the plain-text guide: pictures, which the package does not
# carry, are left out; everything else stays as written (Markdown reads as plain text).
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
if(GUIDE)
  string(REGEX REPLACE "!\\[[^]\n]*\\]\\([^)\n]*\\)\n\n" "" text "${text}")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}.new" "${text}")
file(RENAME "${OUT}.new" "${OUT}")
