# Writes INPUT (UTF-8, LF) to OUTPUT as Notepad on any Windows reads it
# right: UTF-8 with a byte-order mark, CRLF line ends.
file(READ ${INPUT} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUTPUT} "${bom}${text}")
