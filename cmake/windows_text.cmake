# Writes INPUT (UTF-8, LF) to OUTPUT as Notepad on any Windows reads it
# right: UTF-8 with a byte-order mark, CRLF line ends; @WORD_BYTES_MAX@ in it
# is the command line's word limit, @SCRIPT_WORD_BYTES_MAX@ a script's,
# @SCRIPT_DEPTH_MAX@ the repeats' depth, @TIMER_COUNT_MAX@ the timer's most
# count.
file(READ ${INPUT} text)
string(CONFIGURE "${text}" text @ONLY)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUTPUT} "${bom}${text}")
