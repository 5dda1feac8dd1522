# cmake -DIN=file -DOUT=file -P ToCrlf.cmake
# Copies a text file with CRLF line endings, whatever the source uses.
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}" "${text}")
